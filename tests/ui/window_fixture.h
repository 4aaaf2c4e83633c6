#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdint>
#include <functional>
#include <memory>

#include "app_test_support.h"
#include "catalogue.h"
#include "dialogs.h"
#include "game_folder.h"

class TForm1;
class TFormPreview;

// Answers the program's dialogs from a script and records what they were asked.
class ScriptedDialogs : public Dialogs {
public:
    // Every message shown, in order.
    QStringList messages;
    // Answers of the game-executable dialog, taken from the front; none left means Cancel.
    QStringList executableAnswers;
    // The folder each game-executable dialog opened in.
    QStringList executableStartFolders;

    // Answers of the TGA save dialog, open dialog and folder picker, taken from the front;
    // none left means Cancel.
    QStringList saveAnswers;
    QStringList openAnswers;
    QStringList folderAnswers;
    // Whether each folder answer chose the .png format, taken from the front; none left means .tga.
    QList<bool> folderPngAnswers;
    // The format each folder picker offered first: true for .png.
    QList<bool> folderPngOffered;
    // Answers of the import folder picker, taken from the front; none left means Cancel.
    QStringList importFolderAnswers;
    // The start folder of each import folder picker.
    QStringList importFolderAsked;
    // What each of those dialogs was given: "start folder|preset name", the preset file, the start folder.
    QStringList saveAsked;
    QStringList openAsked;
    QStringList folderAsked;

    // Answers of the image editor's program dialog, taken from the front; none left means Cancel.
    QStringList programAnswers;

    // Answers of questions (index of the button), taken from the front; none left means -1.
    QList<int> askAnswers;
    // Each question asked: its text, then its buttons joined by "|".
    QStringList asked;

    // When set, a message box keeps the event loop running for a while, as a modal box does;
    // a question asked meanwhile counts in askedOverMessage.
    bool messagesRunEvents = false;
    int askedOverMessage = 0;

    void message(const QString &text) override;
    int ask(const QString &text, const QStringList &buttons) override
    {
        asked << text + QLatin1Char('\n') + buttons.join(QLatin1Char('|'));
        askedOverMessage += m_messagesOpen;
        return askAnswers.isEmpty() ? -1 : askAnswers.takeFirst();
    }
    QString chooseGameExecutable(const QString &startFolder, const QString &filter) override;
    QString saveTgaFile(const QString &startFolder, const QString &presetName) override;
    QString openTgaFile(const QString &presetFile) override;
    FolderChoice chooseFolder(const QString &startFolder, bool png) override;
    QString chooseImportFolder(const QString &startFolder) override;
    QString chooseProgram(const QString &) override { return programAnswers.isEmpty() ? QString() : programAnswers.takeFirst(); }

    // Answers of the mod dialogs, taken from the front; none left means Cancel (or -1), and
    // what each was shown.
    QList<ModPackageChoice> packageAnswers;
    QStringList modFileAnswers;
    QList<bool> installAnswers;
    QList<InstallPreviewModel> previewsShown;
    QList<int> uninstallAnswers; // the mod to uninstall, after modActions
    QList<ModAction> modActions;
    QList<InstalledModsModel> modListsShown;
    QList<int> packageModPictures; // what each package dialog was told installed mods set
    ModPackageChoice askModPackage(const QString &, const QString &, int modPictures) override
    {
        packageModPictures << modPictures;
        return packageAnswers.isEmpty() ? ModPackageChoice{} : packageAnswers.takeFirst();
    }
    QString openModFile(const QString &) override { return modFileAnswers.isEmpty() ? QString() : modFileAnswers.takeFirst(); }
    QStringList modFolderAnswers;
    QString openModFolder(const QString &) override { return modFolderAnswers.isEmpty() ? QString() : modFolderAnswers.takeFirst(); }
    bool confirmInstall(const InstallPreviewModel &preview) override
    {
        previewsShown << preview;
        return !installAnswers.isEmpty() && installAnswers.takeFirst();
    }
    ModAction manageInstalledMods(const InstalledModsModel &mods) override
    {
        modListsShown << mods;
        if (!modActions.isEmpty())
            return modActions.takeFirst();
        return uninstallAnswers.isEmpty() ? ModAction{} : ModAction{ModAction::Kind::Uninstall, uninstallAnswers.takeFirst(), {}};
    }

private:
    int m_messagesOpen = 0;
};

namespace UiTestSupport {
// A catalogue of slotCount image slotCount made by the shared test builder.
Catalogue catalogue(int slotCount);
// Replaces image n by a w by h picture whose pixel (x, y) is pixel(x, y).
void setImage(Catalogue &c, int n, int w, int h, const std::function<std::uint32_t(int x, int y)> &pixel);
// Writes the catalogue as a game folder (gp4.exe, index, images, fonts) into folder.
void writeGameFolder(const QString &folder, const Catalogue &c);
// The file of image n below a game folder.
QString imageFile(const QString &folder, int n);
}

// A main window with a settings file, a game entry and game folders of its own, all in a
// temporary folder; the machine's real stores are redirected there as well.
class WindowFixture {
public:
    WindowFixture();
    ~WindowFixture();

    // A folder below the fixture's temporary folder (not created).
    QString path(const QString &name) const;
    // The settings store's INI file.
    QString settingsFile() const { return path(QStringLiteral("settings.ini")); }
    // The game installation entry's INI file.
    QString entryFile() const { return path(QStringLiteral("entry.ini")); }
    // Records folder as the game folder in the installation entry.
    void recordGameFolder(const QString &folder);
    // The folder the installation entry names now.
    QString recordedGameFolder() const;
    // Writes a settings value before the window starts.
    void storeSetting(const QString &name, const QString &value);
    // A settings value as stored; empty when missing.
    QString storedSetting(const QString &name) const;
    // Makes a game folder named name from c and returns its path.
    QString makeGame(const QString &name, const Catalogue &c);
    // Selects picture n of a page (0 images, 1 font sheets), as a press on it does.
    void select(int page, int n);
    // Writes image n (or font sheet n) of the window's catalogue, its colours inverted, to a .png
    // file of the temporary folder, and returns the file.
    QString invertedFile(int n, bool font = false);
    // Loads file into picture n of a page through the context menu's open dialog.
    void importInto(int page, int n, const QString &file);

    // The window, made on first use.
    TForm1 &form();
    // The preview window given to the form.
    TFormPreview &preview();
    // The scripted dialogs every window of the fixture uses.
    ScriptedDialogs dialogs;

private:
    QTemporaryDir m_dir;
    RedirectedStores m_stores;
    std::unique_ptr<GameFolder> m_folder;
    std::unique_ptr<TFormPreview> m_preview;
    std::unique_ptr<TForm1> m_form;
};
