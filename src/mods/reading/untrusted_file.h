#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Reading files that a crafted game folder or mod may have planted: only a regular file is
// read, never a link or anything else, and never more than a bound.
namespace UntrustedFile {

// True when something other than a real folder (a link to one included) has the name.
bool isLinkOrFile(const std::string &path);
// A regular file's bytes; throws GameFileError for a link, a folder, a device, a missing file,
// or a file longer than maxBytes.
std::vector<std::uint8_t> read(const std::string &path, std::uint64_t maxBytes);
// A file's bytes, opened without following a link (anything but a regular file is refused as
// opened); tooLarge is called with its length, and should throw, when it holds more than maxBytes.
std::vector<std::uint8_t> readOpened(const std::string &path, std::uint64_t maxBytes, const std::function<void(std::uint64_t)> &tooLarge);

} // namespace UntrustedFile
