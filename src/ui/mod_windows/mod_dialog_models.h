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

// One installed mod as the "Installed mods" window lists it.
struct InstalledModRow {
    QString name;
    QString author;
    QString description;
    QString installed;
    QString source;
    int pictures = 0;
    QStringList covered; // "12.gpi (by \"Night Race\")", "13.gpi (by an edit)"
};

// The installed mods in install order, or the reason the record can't be read.
struct InstalledModsModel {
    std::vector<InstalledModRow> mods;
    QString problem;
};
