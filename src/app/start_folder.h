#pragma once

#include <QString>

// Where a file dialog opens when it has no folder of its own to open in: never the process's
// working folder, which is the program's own folder when it is started from the Start menu.
namespace StartFolder {
// The user's Pictures folder, else Documents, else the home folder (the first that exists),
// with the system's separators.
QString standard();
// remembered when it names an existing folder or file (a file then stays chosen), the folder
// of a remembered file that is gone, otherwise standard().
QString orStandard(const QString &remembered);
// Where games are installed, for the first question of the game folder: on Windows Program Files
// (x86), else Program Files; elsewhere a Wine prefix's Program Files (x86), else its drive_c
// (the prefixes WinePrefixSearch finds, in its order); else standard(). System separators.
QString games();
// The first of folders that exists, with the system's separators; else standard().
QString firstExisting(const QStringList &folders);
}
