#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "archive_entry_list.h"
#include "installed_mod.h"

// The files of the record of installed mods, in MenuData/PC/GP2001/tessary-mods/:
// installed.json lists the mods in the order they were installed, with what each set; a .zip
// per mod keeps the pictures that lay below its own when it was installed, where those were not
// the game's originals (images/12.gpi with images/12.entry, its index entry; fonts/<name>, the
// 65536-byte sheet). Both are read as untrusted input.
namespace ModRecord {

inline constexpr const char *Folder = "tessary-mods";
inline constexpr const char *ListFile = "installed.json";
// The highest number a mod has in the record.
inline constexpr int MaxId = 999999;

// The text of installed.json.
std::string encodeList(const std::vector<InstalledMod> &mods);
// Reads installed.json strictly; throws GameFileError naming source.
std::vector<InstalledMod> parseList(const std::string &source, std::string_view text);

// A record file of pictures.
std::vector<std::uint8_t> encodePictures(const std::vector<PictureValue> &pictures);
// Picture key of a record file read with ArchiveReader; throws GameFileError naming source
// when it is missing or does not hold what digest names.
PictureValue picture(const std::string &source, const std::vector<ArchiveEntry> &files, PictureKey key, const std::string &digest);
// True for the name of a mod's record file, "0003.zip".
bool isRecordFile(const std::string &name);

} // namespace ModRecord
