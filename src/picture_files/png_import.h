#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "catalogue.h"
#include "tga_decode.h"

// Reading .png files through Qt's image reader. Any PNG is taken: grey, palette, RGB, with or
// without alpha, 1 to 16 bits per channel (16-bit channels are rounded to 8 bits).
namespace PngImport {

// True when bytes start with the PNG signature.
bool hasPngSignature(const unsigned char *bytes, std::size_t size);

// A menu image: the PNG's size and its pixels as blue, green, red, alpha, not premultiplied.
// Throws GameFileError naming path when the file can't be read or decoded.
DecodedImage readImage(const std::string &path);
// A font sheet: the PNG must be 256 x 256; colours become grey by their luminance.
FontSheet readFont(const std::string &path);
// The same from a PNG file's bytes held in memory; name names it in errors.
DecodedImage decodeImage(const std::string &name, std::vector<std::uint8_t> bytes);
FontSheet decodeFont(const std::string &name, std::vector<std::uint8_t> bytes);

} // namespace PngImport
