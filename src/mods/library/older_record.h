#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "installed_mod.h"

// Reads a record of installed mods of the first format into the library: that format kept no
// mod's own pictures, only what lay below each one (an earlier mod's or the user's own) in the
// .zip of the mod that covered it. A mod's own picture is found where the game folder shows it,
// else in the file of the mod right above it that kept it below its own; one an edit of the
// user's own covered since is found nowhere and leaves the mod, which no longer sets it (the
// edit, kept where it shows, stays what it is). What lay below a mod and is not what the mods
// below it give is the user's own, kept below the mod.
namespace OlderRecord {

struct Migrated {
    std::vector<InstalledMod> mods;                           // in the present format, every mod on
    std::map<std::string, std::vector<std::uint8_t>> files;   // each mod's file, by name, to write in place of the old ones
};

// mods: as ModRecord::parseList read them from a record of the first format. Reads the record's
// files and the game folder's pictures as untrusted input; throws GameFileError naming a file
// that is damaged or not what the record names.
Migrated migrate(const std::string &gp4Path, std::vector<InstalledMod> mods);

} // namespace OlderRecord
