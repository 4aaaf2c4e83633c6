#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class Catalogue;

// The image index (Gp2001.gph): an 8-byte header (ImageCount, IndexExtra), then one entry per
// image 1 .. ImageCount - 1 of 46 + 16 * BlockCount bytes. All integers little-endian.
namespace IndexFile {

enum HeaderOffset : std::size_t { ImageCountAt = 0, IndexExtraAt = 4, HeaderSize = 8 };
enum EntryOffset : std::size_t { LeadAt = 0, BlockCountAt = 4, WidthAt = 6, HeightAt = 10, BlocksAt = 14 };
inline constexpr std::size_t BlockSize = 16;
inline constexpr std::size_t TrailerSize = 32;
inline constexpr std::size_t EntryFixedSize = 46;

// Fills ImageCount, IndexExtra, ImageDetails and ImageBlocks of into from the file's bytes. Counts are checked against the length before anything is allocated;
// bytes after the last entry are ignored. path names the file in errors.
void parse(const std::string &path, const std::uint8_t *data, std::size_t size, Catalogue &into);
// The index file's bytes for the catalogue, in the layout parse reads.
std::vector<std::uint8_t> encode(const Catalogue &from);

} // namespace IndexFile
