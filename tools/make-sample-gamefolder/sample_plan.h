#pragma once

#include <cstdint>

#include "catalogue.h"

// The two sample game folders the maker can build.
enum class SampleKind { Small, Large };

// Decides, without any randomness, everything of a sample game folder except the pictures:
// the image count, every image's size, the opaque index fields and the fonts' headers and tables.
namespace SamplePlan {

// Image slots of the folder, slot 0 included.
std::int32_t imageCount(SampleKind kind);
// The folder as a catalogue without pictures: ImageCount, IndexExtra, ImageDetails, ImageBlocks,
// ImageSizes (Width * Height * 4) and FontDetails filled; pixel buffers and font sheets empty.
Catalogue skeleton(SampleKind kind);
// The table length of font i; the fonts differ so that each table layout occurs.
std::int32_t fontTableCount(int font);
// A byte that depends only on (what, n, k): fills the fields the program never interprets.
std::uint8_t opaqueByte(std::uint32_t what, std::uint32_t n, std::uint32_t k);

} // namespace SamplePlan
