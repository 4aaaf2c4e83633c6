#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "archive_entry_list.h"

// Writes .zip archives through libarchive: mod packages and the record of installed mods.
namespace ZipWriter {

enum class Compression { Stored, Deflated };

// An entry to write whose bytes the caller keeps while write() runs, so that they are not copied.
struct EntryView {
    std::string name;
    const std::uint8_t *data = nullptr;
    std::size_t size = 0;
};

// A .zip of the entries in the order given, names stored as UTF-8. Every entry is dated
// 1 January 2000 and owned by no one, so that the same entries always give the same bytes.
std::vector<std::uint8_t> write(const std::vector<ArchiveEntry> &entries, Compression compression);
std::vector<std::uint8_t> write(const std::vector<EntryView> &entries, Compression compression);

} // namespace ZipWriter
