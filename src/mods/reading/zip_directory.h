#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// A zip archive is known by its central directory, the list of its files at its end, which
// archivers read it by. One whose directory is missing or cut off (a download not finished)
// holds files that can't be trusted to be all of them.
namespace ZipDirectory {

// True when the bytes begin as a zip archive does.
bool looksLikeZip(const std::uint8_t *data, std::size_t size);
// For a zip archive: throws GameFileError naming source when its central directory is missing,
// cut off or points outside the archive, or when a name in it or in an entry's own header holds
// a NUL (which a reader of C strings would cut short). Other archives pass unread.
void check(const std::string &source, const std::uint8_t *data, std::size_t size);

} // namespace ZipDirectory
