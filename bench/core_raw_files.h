#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class Catalogue;

// The baselines of the core benchmark: the same files read and written with nothing but
// open, read or write, and close, so the core's own cost stands out.
namespace CoreRawFiles {

// One file's bytes, in a buffer left uninitialised before the read (as the core's are).
struct Held {
    std::unique_ptr<std::uint8_t[]> bytes;
    std::size_t size = 0;
};

// The files loadGameFolder reads, in its order: the index, the images, the fonts.
std::vector<std::string> gameFiles(const Catalogue &c);
// Reads each file whole into a buffer of its own; throws std::runtime_error on any failure.
std::vector<Held> readAll(const std::vector<std::string> &paths);
// Writes one file, truncating what is there; with sync it is flushed to the disk before it is closed.
void writeOne(const std::string &path, const Held &file, bool sync);
// Writes held[k] to folder/k for every k, truncating what is there.
void writeAll(const std::string &folder, const std::vector<Held> &held, bool sync);
// The plainest safe rewrite of the same bytes: each file written beside folder/k, flushed and
// renamed over it, then the folder flushed.
void rewriteDurably(const std::string &folder, const std::vector<Held> &held);

} // namespace CoreRawFiles
