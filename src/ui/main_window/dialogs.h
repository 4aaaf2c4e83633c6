#pragma once

#include <QString>
#include <QStringList>

#include "mod_dialog_models.h"

// A folder chosen for exporting all images, and the format chosen with it.
struct FolderChoice {
    QString folder; // empty when cancelled
    bool png = false;
};

// Every modal dialog and message box of the program passes through here, so that a test can
// answer them in place of a user.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A message box captioned "Tessary 1.2" with an OK button.
    virtual void message(const QString &text) = 0;
    // A question captioned "Tessary 1.2" with the given buttons, the first one the default and
    // the last one what Escape presses; the index of the button pressed, or -1 for none.
    virtual int ask(const QString &text, const QStringList &buttons) = 0;
    // The game-executable dialog opened in startFolder with the given filter; empty when cancelled.
    virtual QString chooseGameExecutable(const QString &startFolder, const QString &filter) = 0;
    // The save dialog for a TGA file, opened in startFolder with presetName, offering .tga (the
    // default) and .png; a name chosen with the .png filter ends in ".png". Empty when cancelled.
    virtual QString saveTgaFile(const QString &startFolder, const QString &presetName) = 0;
    // The open dialog for a TGA file with presetFile chosen, offering .tga and .png; empty when cancelled.
    virtual QString openTgaFile(const QString &presetFile) = 0;
    // The folder picker for exporting all images, opened at startFolder, then the choice of .tga
    // or .png, with .png preset when png.
    virtual FolderChoice chooseFolder(const QString &startFolder, bool png) = 0;
    // The folder picker for loading all pictures of a folder, opened at startFolder; empty when cancelled.
    virtual QString chooseImportFolder(const QString &startFolder) = 0;
    // The open dialog for the image editor's program, with current chosen; empty when cancelled.
    virtual QString chooseProgram(const QString &current) = 0;
    // "Save changes as a mod package": the name, author and description, whether the modPictures
    // pictures installed mods set go in too, then the .zip file, saved in startFolder under
    // presetName; the file is empty when cancelled.
    virtual ModPackageChoice askModPackage(const QString &startFolder, const QString &presetName, int modPictures) = 0;
    // The open dialog for a mod archive, opened in startFolder; empty when cancelled.
    virtual QString openModFile(const QString &startFolder) = 0;
    // The folder picker for a mod that is a folder, opened in startFolder; empty when cancelled.
    virtual QString openModFolder(const QString &startFolder) = 0;
    // What installing a mod would change; true when the user chose to install it.
    virtual bool confirmInstall(const InstallPreviewModel &preview) = 0;
    // The library of mods; what the user asked of one of them, or nothing when the window was closed.
    virtual ModAction manageInstalledMods(const InstalledModsModel &mods) = 0;
};
