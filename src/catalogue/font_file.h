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
// fileLength, when the data is only the start of a longer file, is the whole file's length.
void parse(const std::string &path, const std::uint8_t *data, std::size_t size, TGPFDetails &details, FontSheet &sheet,
           std::uint64_t fileLength = 0);
// How many bytes of a file of fileLength bytes to read, given its first 14 bytes: the header,
// table and sheet when the header's count fits the file, else just the header (parse then
// reports what is wrong), so that nothing is read or allocated on a count the file can't back.
std::uint64_t bytesToRead(const std::uint8_t *header, std::uint64_t fileLength);
// The file's bytes for a header, table and sheet.
std::vector<std::uint8_t> encode(const TGPFDetails &details, const FontSheet &sheet);

} // namespace FontFile
