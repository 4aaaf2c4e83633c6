#pragma once

#include <QString>

// The game's executable gp4.exe, whose presence marks a game folder.
namespace GameExecutable {
// True for the executable's name in any case ("gp4.exe", "GP4.EXE", ...).
bool isName(const QString &fileName);
// True when gp4.exe lies in the folder, named as the game's entry names it: the folder joined
// to the game's own "\gp4.exe", so that a trailing separator doubles harmlessly. On a
// case-sensitive file system the name may be in any case, as Windows would find it.
bool liesIn(const QString &folder);
}
