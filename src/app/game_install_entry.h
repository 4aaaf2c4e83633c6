#pragma once

#include <QString>

#include <memory>
#include <optional>

class QSettings;

// The game's own installation entry, which names the game folder in its value "Directory".
// On Windows it is the registry key
// HKEY_LOCAL_MACHINE\Software\Infogrames\Grand Prix 4\1.00\Install Dir, in the 32-bit
// view where the game's installer wrote it. Elsewhere it is the user's INI file for
// organisation "Infogrames", application "Grand Prix 4", key "1.00/Install Dir/Directory".
// Each operation opens the store afresh, so a folder written by another program is seen at
// the next read.
class GameInstallEntry {
public:
    // The machine's real entry.
    GameInstallEntry();
    // An entry kept in the given INI file instead (tests).
    explicit GameInstallEntry(QString iniFilePath);

    // The recorded folder exactly as stored; nullopt when the key doesn't exist or the store
    // can't be read; empty text when the key exists without "Directory".
    std::optional<QString> readDirectory() const;
    // Creates the key when missing and sets "Directory"; false when the store refuses it.
    bool writeDirectory(const QString &folder);
    // Why the last writeDirectory failed, in words a user can act on; empty after a success.
    QString lastError() const { return m_lastError; }
    // Where the entry lives, for messages: the registry key or the INI file's name.
    QString location() const;

private:
    std::unique_ptr<QSettings> open() const;

    std::optional<QString> m_iniFilePath;
    QString m_lastError;
};
