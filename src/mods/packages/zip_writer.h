#pragma once

#include <cstdint>
#include <vector>

#include "archive_entry_list.h"

// Writes .zip archives through libarchive: mod packages and the record of installed mods.
namespace ZipWriter {

enum class Compression { Stored, Deflated };

// A .zip of the entries in the order given, names stored as UTF-8. Every entry is dated
// 1 January 2000 and owned by no one, so that the same entries always give the same bytes.
std::vector<std::uint8_t> write(const std::vector<ArchiveEntry> &entries, Compression compression);

} // namespace ZipWriter
