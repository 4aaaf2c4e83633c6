#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "catalogue.h"

// Makes small, deterministic game folders on disk for tests.
namespace GameFolderBuilder {

// A catalogue with slots image slots (slot 0 included): image n is (n + 1) x (n + 2) pixels with
// patterned bytes, every opaque field filled (some with 0xFF), fonts with table counts 0, 1, 3, 16, 95, 256.
Catalogue makeCatalogue(int slots);
// Writes gp4.exe, the index, the images and the fonts of c below root (root has no trailing separator).
void write(const std::string &root, const Catalogue &c);
// The catalogue written to root; returns it with GP4Path set to root.
Catalogue make(const std::string &root, int slots);

// Reads a whole file, or an empty vector when it can't be read.
std::vector<std::uint8_t> readFile(const std::string &path);
void writeFile(const std::string &path, const std::vector<std::uint8_t> &bytes);
// Every file below root with its bytes, sorted by relative path ('/' separators); Tessary's own
// lock file and kept originals are left out.
std::vector<std::pair<std::string, std::vector<std::uint8_t>>> snapshot(const std::string &root);

} // namespace GameFolderBuilder
