#pragma once

#include <QString>

#include <string>

// File names cross between Qt and the game-data core in the encoding the core's file calls
// expect: the file system's own on POSIX, UTF-8 on Windows (the core widens it for the system).
namespace CorePath {
// A Qt file name as the core names it (on Windows with the system's separators).
std::string fromQt(const QString &fileName);
// A core file name as Qt names it.
QString toQt(const std::string &fileName);
// A folder as the core names it, without trailing separators (a root keeps its own), so that
// the files joined to it are named with one separator.
std::string folderFromQt(const QString &folder);
}
