#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "catalogue.h"

// A font file (.gpf): TableCount (4), HeaderWord (2), HeaderIntA (4), HeaderIntB (4),
// TableCount 4-byte entries, then the 65536-byte grey sheet. All integers little-endian.
namespace FontFile {

enum Offset : std::size_t { TableCountAt = 0, HeaderWordAt = 4, HeaderIntAAt = 6, HeaderIntBAt = 10, TableAt = 14 };

// Reads header, table and sheet; the table is checked against the length before it is
// allocated. Bytes after the sheet are ignored.
void parse(const std::string &path, const std::uint8_t *data, std::size_t size, TGPFDetails &details, FontSheet &sheet);
// The file's bytes for a header, table and sheet.
std::vector<std::uint8_t> encode(const TGPFDetails &details, const FontSheet &sheet);

} // namespace FontFile
