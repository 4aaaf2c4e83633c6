#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "catalogue.h"

// Writing .png files with libpng.

// Writes menu image n to target as a 32-bit RGBA PNG of the index entry's width and height,
// alpha kept as it is (not premultiplied). The file appears whole or not at all. Throws
// GameFileError naming target, also for a picture a PNG can't hold (no pixels, or a byte
// count other than width x height x 4).
void saveImagePng(const Catalogue &catalogue, int n, const std::string &target);
// Writes font sheet i to target as an 8-bit grey PNG of 256 x 256.
void saveFontPng(const Catalogue &catalogue, int i, const std::string &target);

// The bytes saveImagePng writes, for a picture of width x height pixels (blue, green, red,
// alpha); name names the picture in a GameFileError.
std::vector<std::uint8_t> encodeImagePng(const std::string &name, std::int32_t width, std::int32_t height, const std::uint32_t *pixels);
// The bytes saveFontPng writes, for a 65536-byte sheet.
std::vector<std::uint8_t> encodeFontPng(const std::string &name, const FontSheet &sheet);
