#pragma once

#include <QString>

#include <optional>

// One Wine prefix: a folder holding the registry files (system.reg), drive_c and dosdevices.
namespace WinePrefix {
// The Linux folder or file a Windows path ("C:\Games\GP4") names inside the prefix: the drive
// through dosdevices (c: -> drive_c, z: -> /, any other letter's link), then each name in any
// case, as Windows matches it. nullopt when the drive or a name on the way is missing, or the
// path names no drive.
std::optional<QString> toLinuxPath(const QString &prefix, const QString &windowsPath);
// The game folder the prefix's registry names, as the Linux folder, when it holds gp4.exe: the
// 32-bit game's key under Wow6432Node first, then the plain key of a 32-bit prefix.
std::optional<QString> gameFolder(const QString &prefix);
}
