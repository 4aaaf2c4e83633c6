#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <vector>

// "Save changes as a mod package": where and under which name the user saves it.
struct ModPackageChoice {
    QString file; // empty when cancelled
    QString name;
    QString author;
    QString description;
    bool includeMods = false; // the pictures installed mods set go in too, credited to their mods
};

// One picture in the preview of an install: how it looks now and with the mod.
struct InstallPreviewRow {
    QString caption;
    QImage before;
    QImage after;
    QString note; // whose picture it takes, or that it is the same already
    bool changes = false;
};

// What installing a mod would change, shown before anything changes.
struct InstallPreviewModel {
    QString name;
    QString details; // author, kind of mod, description
    std::vector<InstallPreviewRow> rows;
    QStringList notes; // what the mod holds that is not taken, and why
};

// One mod of the library as the "Mods" window lists it.
struct InstalledModRow {
    QString name;
    QString author;
    QString description;
    QString installed;
    QString source;
    int pictures = 0;
    QStringList covered; // "12.gpi (by \"Night Race\")", "13.gpi (by an edit)"
    bool enabled = true;
    QStringList shared; // pictures another mod sets too, with the one that shows: "12.gpi (\"Night Race\" shows)"
    bool pending = false; // installed, switched or moved since the game folder was last written
};

// The library's mods, the bottom one first, or the reason the record can't be read.
struct InstalledModsModel {
    std::vector<InstalledModRow> mods;
    QString problem;
    int current = -1;     // the mod to select when the window opens
    bool pending = false; // the library has changes not yet applied
    QStringList profiles; // the profiles kept, by name
    int profileInUse = -1; // the one whose mods are on now, in its order; -1 for none
};

// What the user asked of one mod in the "Mods" window.
struct ModAction {
    enum class Kind { None, Uninstall, Enable, Disable, MoveUp, MoveDown, InstallArchive, InstallFolder, UseProfile, SaveProfile };
    Kind kind = Kind::None;
    int mod = -1;    // its place in the library; -1 for an install or a profile
    QString profile; // the profile to use, or the name to keep the mods on now as
};
