#pragma once

#include <cstdint>
#include <string>

#include "sample_plan.h"

// Writes a complete sample game folder: the gp4.exe placeholder, the index, every image and
// the six fonts, laid out as the game keeps them.
namespace SampleFolder {

// The placeholder's whole content; a gp4.exe holding anything else belongs to a real game.
inline constexpr const char *PlaceholderText = "Tessary sample game folder: this file stands in for gp4.exe.\n";

// What write() made.
struct Summary {
    std::int32_t images = 0;
    std::uint64_t imageBytes = 0;
    std::uint64_t indexBytes = 0;
    std::uint64_t fontBytes = 0;
};

// Makes the folder kind under folder, replacing an earlier sample there. Refuses a folder whose
// gp4.exe is not the placeholder, so a real game is never overwritten. Throws GameFileError.
Summary write(const std::string &folder, SampleKind kind);

} // namespace SampleFolder
