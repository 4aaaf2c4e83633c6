#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "catalogue.h"
#include "tga_header.h"

// Pictures and .tga files made in code for the exchange tests.
namespace TgaFixtures {

using Bytes = std::vector<std::uint8_t>;

// width x height pixels, top row first, blue/green/red/alpha bytes that differ in every pixel
// and channel; alpha runs through 0, partial values and 255.
Bytes patternBgra(int width, int height, int variant);
// 65536 grey levels whose rows and columns all differ.
FontSheet patternSheet(int variant);
// The bytes of a pixel buffer, as the catalogue holds them.
Bytes bytesOf(const PixelBuffer &pixels, std::size_t count);
PixelBuffer bufferOf(const Bytes &bgra);

// A catalogue held only in memory: slots image slots (slot 0 unused), image n of
// sizes[n - 1] = {width, height}, patterned pixels, and six patterned font sheets.
Catalogue makeCatalogue(const std::vector<std::pair<int, int>> &sizes);

// Reorders top-left pixels (bytesPerPixel each) into the file order that descriptor names:
// bit 5 clear puts the bottom row first, bit 4 set runs each row right to left.
Bytes inFileOrder(const Bytes &topLeft, int width, int height, int bytesPerPixel, std::uint8_t descriptor);

// A .tga file as another program would write it: header, identification field, colour map, pixels.
Bytes buildTga(const TgaHeader &header, const Bytes &id, const Bytes &colourMap, const Bytes &pixels);

// Whole-file helpers; readFile returns an empty vector for a missing file.
Bytes readFile(const std::string &path);
void writeFile(const std::string &path, const Bytes &bytes);

} // namespace TgaFixtures
