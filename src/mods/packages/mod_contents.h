#pragma once

#include <string>
#include <vector>

#include "archive_entry_list.h"
#include "catalogue.h"
#include "message.h"
#include "picture_codec.h"
#include "picture_value.h"

// The kinds of mods Tessary installs.
enum class ModKind {
    Package,    // a Tessary mod package: tessary-mod.json and PNG pictures
    GameLayout, // laid out as the game folder: MenuData/PC/GP2001/..., or images/, fonts/, Gp2001.gph at any depth
    Pictures,   // .tga and .png pictures named as a folder import matches them
};

// What a mod holds, read whole and checked against the game folder before anything changes.
struct ModContents {
    ModKind kind = ModKind::Pictures;
    std::string source; // the archive or folder it was read from
    std::string name;
    std::string author;
    std::string description;
    std::string created;
    std::vector<PictureValue> pictures; // what it sets: images by number, then fonts
    std::vector<Message> notes;         // for the user: what it holds that is not taken, and why
};

namespace ModContentsReader {

// Reads a mod from an archive (by its name: .zip, .7z, .rar, .tar...) or a folder. Throws
// GameFileError naming the source and what is wrong; the catalogue is only read.
ModContents read(const std::string &path, const Catalogue &catalogue, const PictureCodec &codec, const ArchiveLimits &limits = {});
// Reads a mod from its files; source names it.
ModContents read(const std::string &source, std::vector<ArchiveEntry> files, const Catalogue &catalogue, const PictureCodec &codec);

} // namespace ModContentsReader
