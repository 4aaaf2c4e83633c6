#pragma once

#include <QPoint>
#include <QStringList>
#include <QWidget>

class QLabel;

#include <exception>
#include <functional>
#include <memory>
#include <optional>

#include "catalogue.h"
#include "external_editor.h"
#include "game_folder.h"
#include "installed_mods.h"
#include "main_window_parts.h"
#include "picture_history.h"
#include "settings_store.h"

class Dialogs;
class GridPages;
class PictureStep;
class WindowWork;
struct FolderImportPlan;
struct ModAction;
class QCloseEvent;
class QResizeEvent;
class TFormPreview;
class TPicture;

// The main window: wires its components to the grids, the game folder, the settings and
// the game-data core. It holds the catalogue of the game folder it shows.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    // Opens the settings store; Launch calls it once.
    using SettingsOpener = std::function<std::unique_ptr<SettingsStore>()>;

    TForm1(Dialogs &dialogs, GameFolder &folder, SettingsOpener openSettings, QWidget *parent = nullptr);
    ~TForm1() override;

    // The preview window that double-clicks open.
    void setPreview(TFormPreview *preview);
    // The start sequence: finds (or asks for) the game folder, shows the window, restores the
    // settings and loads everything. False when the user gave up choosing a folder.
    bool Launch();

    // The window's components.
    const MainWindowParts &parts() const { return m_parts; }
    // The line below the pages that names the game folder shown, a link that opens it.
    QLabel *folderLine() const { return m_folderLine; }
    // Opens the game folder shown in the file manager (Explorer on Windows).
    void openGameFolder();
    // The thumbnail grids.
    GridPages &grids() const { return *m_grids; }
    // The catalogue of the game folder shown.
    Catalogue &catalogue() { return m_catalogue; }
    // The game folder.
    GameFolder &gameFolder() const { return m_folder; }
    // The settings store; null before Launch.
    SettingsStore *settings() const { return m_settings.get(); }
    // The undo history of the pictures.
    PictureHistory &history() { return m_history; }
    // The long work of the window (loading, writing, importing, saving all images).
    WindowWork &work() const { return *m_work; }
    // True while such work runs: the commands that change the catalogue wait.
    bool isBusy() const;
    // The pictures handed to the image editor.
    ExternalEditor &editor() const { return *m_editor; }
    // The number of the picture last selected.
    int SelectedIndex() const;

    // Places and draws image n's thumbnail from the catalogue.
    void Display(int n);
    // Places and draws font n's sheet from the catalogue.
    void Displaygpf(int n);
    // Writes picture n of the active page to name + ".tga", or as a .png file to name itself
    // when it ends in ".png".
    void SaveTGA(int n, const QString &name);
    // Lets the user choose a TGA file and puts its picture in place of image n.
    void LoadTGA(int n);
    // Lets the user choose a TGA file and puts its picture in place of font sheet n.
    void LoadTGA2(int n);
    // Runs a command, showing any error it raises in a message box; the program goes on.
    void runCommand(const std::function<void()> &command);
    // Imports dropped files and folders: one file dropped on a picture replaces that picture;
    // anything else is matched by name, as a folder import is.
    void importDropped(const QStringList &paths, TPicture *onto);
    // Shows what waits to be applied: the captions' change marks and the title's marker.
    void showChanges();
    // Sets the state of every command of the context menu for the picture selected.
    void updateActions();
    // Takes a change of pictures made through step (a folder import, a mod's installation) into
    // the undo history as one step, and redraws its pictures, the marks and the commands.
    void recordChange(PictureStep step);
    // Installs the mod at path (an archive or a folder) after showing what it changes: its
    // pictures become changes to apply, and the record of installed mods changes with them.
    void installModFrom(const QString &path);
    // The record of the mods installed in the game folder, with its changes not yet applied.
    const InstalledMods &installedMods() const { return m_mods; }

public slots:
    // "Apply All Changes": writes every image, the index and the fonts back.
    void LMDApplyAllClick();
    // "Change GP4 Path": lets the user choose another game folder and loads it.
    void LMDChangePathClick();
    // The thumbnail size changed: re-lays the active page out.
    void SpinEdit1Change();
    // The window changed size: re-lays the active page out if its column count changed.
    void FormResize();
    // The page changed.
    void PageControl1Change();
    // The channel toggle was clicked.
    void PanelChannelsClick();
    // A mouse button went down on a picture: selects it.
    void ImageMouseDown(TPicture *control);
    // Opens the preview of the selected image.
    void Showpreview();
    // Context menu: replaces the selected picture with a TGA file.
    void LoadFromTga();
    // Context menu: saves the selected picture as a TGA file.
    void SavetoTga();
    // Saves all images as TGA files.
    void SaveAlltga();
    // Context menu: replaces every picture of the active page that a file of a chosen folder names.
    void LoadAllFromFolder();
    // Context menu: drops the selected picture's change, reading the game folder's file again.
    void RevertToGameFile();
    // Context menu: puts the game's original of the selected picture in place, as a change to apply.
    void RestoreOriginal();
    // Context menu: opens the selected picture in the image editor; each save comes back as a change.
    void EditInImageEditor();
    // Context menu: lets the user choose the image editor (the system's program or another).
    void ChooseImageEditor();
    // Takes the last change of pictures back (Ctrl+Z).
    void Undo();
    // Does the last change taken back again (Ctrl+Shift+Z, Ctrl+Y).
    void Redo();
    // Context menu: writes every picture that differs from the game's original into a mod package.
    void SaveModPackage();
    // Context menu: lets the user choose a mod archive and installs it (installModFrom).
    void InstallMod();
    // Context menu: lists the installed mods and uninstalls the one the user chooses.
    void ShowInstalledMods();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void wire();
    void FormClose();
    void showPopup(TPicture *control, QPoint globalPos);
    void placeWindow();
    void restoreSettings();
    GameFolder::Choice ChangeGP4Path();
    bool onImagesPage() const;
    bool hasPicture(int n) const;
    void importTga(const std::function<void(const std::string &file)> &import);
    void importFile(bool font, int n, const std::string &file);
    void importPictures(const FolderImportPlan &plan, const QString &source);
    void changeSelected(const char *what, bool (*changeImage)(Catalogue &, int), bool (*changeFont)(Catalogue &, int));
    QString pictureName(bool font, int n) const;
    void takeStep(const std::optional<PictureHistory::Taken> &taken, const QString &done);
    bool readBackEdit(ExternalEditor::Saved &saved);
    void workChanged(bool busy);
    void closeIfAsked();
    bool applyChanges();
    bool hasUnappliedChanges() const;
    void changeMods(const QString &name, const std::vector<PictureKey> &touched, const std::function<void()> &change);
    // Switches or moves a mod of the library, as one undo step; returns the mod's place after it.
    int changeModInLibrary(const ModAction &action);
    // Asks for a mod's archive, or its folder, and installs it after its preview; true when it was.
    bool installFromPicker(bool folder);
    void uninstallMod(std::size_t mod);
    // Switches to a profile, or keeps the mods on now as one, as one undo step.
    void changeProfile(const ModAction &action);
    void loadInstalledMods();
    void requireInstalledMods() const;
    bool settleUnappliedChanges(const QString &before);
    QStringList changedNames() const;
    void loadFolder(const QString &folder);
    void showGameFolder(const QString &folder);
    void showError(const std::exception &error);
    void followPreview();

    Dialogs &m_dialogs;
    GameFolder &m_folder;
    SettingsOpener m_openSettings;
    std::unique_ptr<SettingsStore> m_settings;
    Catalogue m_catalogue;
    InstalledMods m_mods;
    // The library as the game folder holds it: as loaded, or as last applied.
    std::vector<InstalledMod> m_appliedMods;
    QString m_modsProblem; // why the record of installed mods can't be read; empty when it can
    MainWindowParts m_parts;
    GridPages *m_grids;
    TFormPreview *m_preview = nullptr;
    int m_previewImage = 0; // the image the preview shows
    PictureHistory m_history;
    WindowWork *m_work;
    ExternalEditor *m_editor;
    QLabel *m_folderLine;
    QString m_shownFolder;
    // The window was asked to close while work ran: it closes when the work ends.
    bool m_closeWhenDone = false;
    int m_commandsRunning = 0; // commands under way, nested ones included
};
