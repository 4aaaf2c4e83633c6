#pragma once

#include <string>

#include "catalogue.h"

// Writing .png files with libpng.

// Writes menu image n to target as a 32-bit RGBA PNG of the index entry's width and height,
// alpha kept as it is (not premultiplied). The file appears whole or not at all. Throws
// GameFileError naming target, also for a picture a PNG can't hold (no pixels, or a byte
// count other than width x height x 4).
void saveImagePng(const Catalogue &catalogue, int n, const std::string &target);
// Writes font sheet i to target as an 8-bit grey PNG of 256 x 256.
void saveFontPng(const Catalogue &catalogue, int i, const std::string &target);
