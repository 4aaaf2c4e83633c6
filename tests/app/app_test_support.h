#pragma once

#include <QString>
#include <QTemporaryDir>

// Points every QSettings store (INI and native, user and system scope) at a temporary folder
// for the life of the object, so that no test reads or writes the machine's real settings.
// Create it before any QSettings object.
class RedirectedStores {
public:
    RedirectedStores();

    // The folder that now stands in for the machine's settings locations.
    QString root() const { return m_dir.path(); }
    // True when the temporary folder could be made.
    bool isValid() const { return m_dir.isValid(); }

private:
    QTemporaryDir m_dir;
};

namespace AppTestSupport {
// Creates an empty file, and any missing folder above it; false when it can't.
bool touch(const QString &fileName);
// Creates a folder and any missing folder above it; false when it can't.
bool makeFolder(const QString &folder);
// The game's image index below a game folder, in the host's spelling.
QString indexFile(const QString &gameFolder);
// The whole text of a file, lines ending in "\n"; empty when it can't be read.
QString readAll(const QString &fileName);
// True under Wine, where the tests have a Wine prefix, and so a registry, of their own; on
// Windows itself the registry is the user's.
bool runsUnderWine();
}
