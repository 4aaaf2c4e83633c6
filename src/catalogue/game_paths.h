#pragma once

#include <string>

// Where the game files lie below a game folder. The folder is taken as recorded, with or
// without a trailing separator; both reach the same files.
namespace GamePaths {
std::string index(const std::string &gp4Path);
std::string image(const std::string &gp4Path, int n);
std::string font(const std::string &gp4Path, int i);
// The game folder joined to a suffix written with backslashes ("\gp4.exe").
std::string join(const std::string &gp4Path, const std::string &backslashSuffix);
}
