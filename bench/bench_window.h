#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

#include "dialogs.h"
#include "game_folder.h"
#include "game_install_entry.h"
#include "main_window.h"
#include "settings_store.h"

// The main window of the window benchmarks, on a game folder, with its settings and the game's
// entry in a temporary folder. Nothing is asked of anybody: the folder pickers answer with
// importFolder, every other dialog is cancelled, and messages are collected.
class SilentDialogs : public Dialogs {
public:
    QStringList messages;
    QString importFolder;
    void message(const QString &text) override { messages << text; }
    int ask(const QString &, const QStringList &) override { return -1; }
    QString chooseGameExecutable(const QString &, const QString &) override { return QString(); }
    QString saveTgaFile(const QString &, const QString &) override { return QString(); }
    QString openTgaFile(const QString &) override { return QString(); }
    FolderChoice chooseFolder(const QString &, bool) override { return {}; }
    QString chooseImportFolder(const QString &) override { return importFolder; }
    QString chooseProgram(const QString &) override { return QString(); }
    ModPackageChoice askModPackage(const QString &, const QString &, int) override { return {}; }
    QString openModFile(const QString &) override { return QString(); }
    QString openModFolder(const QString &) override { return QString(); }
    bool confirmInstall(const InstallPreviewModel &) override { return false; }
    ModAction manageInstalledMods(const InstalledModsModel &) override { return {}; }
};

struct BenchWindow {
    BenchWindow(const QString &folder, const QTemporaryDir &temp)
        : gameFolder(GameInstallEntry(temp.filePath(QStringLiteral("entry.ini"))))
    {
        GameInstallEntry(temp.filePath(QStringLiteral("entry.ini"))).writeDirectory(folder);
        const QString settings = temp.filePath(QStringLiteral("settings.ini"));
        form = std::make_unique<TForm1>(dialogs, gameFolder, [settings] { return std::make_unique<SettingsStore>(settings); });
    }
    SilentDialogs dialogs;
    GameFolder gameFolder;
    std::unique_ptr<TForm1> form;
};
