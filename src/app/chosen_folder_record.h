#pragma once

#include <QString>

#include <memory>
#include <optional>

class SettingsStore;

// The game folder a user chose when the game's installation entry could not take it (without
// administrator rights HKEY_LOCAL_MACHINE can't be changed): kept as "GameFolder" in Tessary's
// own settings, on Windows the key HKEY_CURRENT_USER\Software\Quenby's Tools\Tessary.
class ChosenFolderRecord {
public:
    // Tessary's real settings store.
    ChosenFolderRecord();
    // A settings INI file instead (tests).
    explicit ChosenFolderRecord(QString iniFilePath);

    // The recorded folder; nullopt when none is recorded.
    std::optional<QString> read() const;
    // Records the folder; false when the store refuses it.
    bool write(const QString &folder);
    // Forgets the folder once the game's own entry holds the user's choice.
    void forget();
    // Why the last write failed, in words a user can act on; empty after a success.
    QString lastError() const { return m_lastError; }
    // Where the folder is recorded, for messages: the store and the value's name.
    QString location() const;

private:
    std::unique_ptr<SettingsStore> open() const;

    std::optional<QString> m_iniFilePath;
    QString m_lastError;
};
