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

// A file in a folder, with one separator between them whether or not the folder ends in one.
std::string inFolder(const std::string &folder, const std::string &name);

// The folder MenuData/PC/GP2001 that holds the index and the image and font folders.
std::string dataFolder(const std::string &gp4Path);
// A file below the data folder, named relative to it with '/' ("images/12.gpi").
std::string underData(const std::string &gp4Path, const std::string &relative);
// The game files' names relative to the data folder, as they are kept in Tessary's own records.
std::string relativeIndex();
std::string relativeImage(int n);
std::string relativeFont(int i);

// Tessary's own files in the data folder: the write-back lock, the record of a write-back
// under way, and the folder that keeps the game's original files.
std::string lockFile(const std::string &gp4Path);
std::string journal(const std::string &gp4Path);
std::string originals(const std::string &gp4Path);
// Where the game's original of a game file (named relative to the data folder) is kept.
std::string original(const std::string &gp4Path, const std::string &relative);
// True for a file of Tessary's record of installed mods, named relative to the data folder:
// "tessary-mods/" and a plain name of at most 32 letters, digits, '-' or '_', then ".json" or ".zip".
bool isModRecord(const std::string &relative);
// The folder a file named relative to the data folder lies in ("" for the data folder itself).
std::string folderOf(const std::string &relative);
}
