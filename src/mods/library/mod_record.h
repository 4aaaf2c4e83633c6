#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "archive_entry_list.h"
#include "installed_mod.h"

// The files of the library of installed mods, in MenuData/PC/GP2001/tessary-mods/:
// installed.json lists the mods in their order, whether each is on, and what each sets; a .zip
// per mod keeps its own pictures (images/12.gpi with images/12.entry, its index entry;
// fonts/<name>, the 65536-byte sheet) and, below own/, the user's own pictures that lay below
// them when it was installed. Both are read as untrusted input.
//
// The first format (version 1) kept no mod's own pictures: its .zip files hold what lay below a
// mod's pictures, an earlier mod's or the user's own. OlderRecord reads it into this one.
namespace ModRecord {

inline constexpr const char *Folder = "tessary-mods";
inline constexpr const char *ListFile = "installed.json";
// The highest number a mod has in the record.
inline constexpr int MaxId = 999999;

inline constexpr int FirstVersion = 1;
inline constexpr int Version = 2;

// The text of installed.json.
std::string encodeList(const std::vector<InstalledMod> &mods, const std::vector<ModProfile> &profiles = {});
// Reads installed.json of either format strictly, giving its version and profiles; throws
// GameFileError naming source.
std::vector<InstalledMod> parseList(const std::string &source, std::string_view text, int *version = nullptr,
                                    std::vector<ModProfile> *profiles = nullptr);

// Where a picture lies in a mod's file.
enum class Part {
    Own,      // the mod's own picture (in the first format: what lay below the mod's)
    OwnBelow, // the user's own picture below it
};
// A mod's file: its own pictures and the user's below them.
std::vector<std::uint8_t> encodePictures(const std::vector<PictureValue> &own, const std::vector<PictureValue> &ownBelow = {});
// Picture key of a mod's file read with ArchiveReader; throws GameFileError naming source
// when it is missing or does not hold what digest names.
PictureValue picture(const std::string &source, const std::vector<ArchiveEntry> &files, PictureKey key, const std::string &digest,
                     Part part = Part::Own);
// As picture(), into value, whose pixels' room is used again; files need hold only the picture's own entries.
void pictureInto(const std::string &source, const std::vector<ArchiveEntry> &files, PictureKey key, const std::string &digest, Part part,
                 PictureValue &value);
// The names of the entries of a mod's file that keep a picture: an image's .gpi and .entry, or a font's sheet.
std::vector<std::string> entryNames(PictureKey key, Part part = Part::Own);
// A picture to read from a mod's file, and the digest it must have.
struct PictureRead {
    PictureKey key;
    Part part = Part::Own;
    std::string digest;
};
// Reads the pictures wanted (each once) from a mod's file (its bytes, named source) in one pass,
// in the order its entries lie, each checked as picture() checks it and handed to take with its
// place in wanted. Only one picture is held at a time: take may move it out, else its room is
// used for the next. Throws GameFileError as picture() does, having handed on those read before.
void readPictures(const std::string &source, const std::vector<std::uint8_t> &file, const std::vector<PictureRead> &wanted,
                  const std::function<void(std::size_t, PictureValue &)> &take);
// True for the name of a mod's record file, "0003.zip".
bool isRecordFile(const std::string &name);

} // namespace ModRecord
