#pragma once

#include "dialogs.h"

class QWidget;

// The dialogs a user sees: Qt's message box and file dialogs, modal over the main window.
class QtDialogs : public Dialogs {
public:
    // Dialogs open over parent (may be null).
    explicit QtDialogs(QWidget *parent = nullptr) : m_parent(parent) {}

    // The window the dialogs open over.
    void setParent(QWidget *parent) { m_parent = parent; }

    void message(const QString &text) override;
    int ask(const QString &text, const QStringList &buttons) override;
    QString chooseGameExecutable(const QString &startFolder, const QString &filter) override;
    QString saveTgaFile(const QString &startFolder, const QString &presetName) override;
    QString openTgaFile(const QString &presetFile) override;
    FolderChoice chooseFolder(const QString &startFolder, bool png) override;
    QString chooseImportFolder(const QString &startFolder) override;
    QString chooseProgram(const QString &current) override;
    ModPackageChoice askModPackage(const QString &startFolder, const QString &presetName, int modPictures) override;
    QString openModFile(const QString &startFolder) override;
    QString openModFolder(const QString &startFolder) override;
    bool confirmInstall(const InstallPreviewModel &preview) override;
    ModAction manageInstalledMods(const InstalledModsModel &mods) override;

private:
    QWidget *m_parent;
};
