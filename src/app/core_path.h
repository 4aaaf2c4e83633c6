#pragma once

#include <QString>

#include <string>

// File names cross between Qt and the game-data core in the encoding the core's file calls
// expect: the file system's own on POSIX, the ANSI code page on Windows.
namespace CorePath {
// A Qt file name as the core names it.
std::string fromQt(const QString &fileName);
// A core file name as Qt names it.
QString toQt(const std::string &fileName);
}
