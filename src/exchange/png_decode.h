#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "catalogue.h"
#include "tga_decode.h"

// Reading .png files with libpng. Every colour type, bit depth, palette, transparency (tRNS) and
// interlacing the PNG standard allows is read exactly (see PngSamples); a file whose pixels the
// standard does not define (a palette index beyond the palette, a damaged palette or tRNS chunk,
// damaged or missing data) is refused with the reason.

// True when bytes start with the PNG signature.
bool hasPngSignature(const std::uint8_t *bytes, std::size_t size);

// A menu image from the bytes of a .png file: its size and its pixels as blue, green, red,
// alpha, not premultiplied. Throws GameFileError naming path; no picture larger than a menu
// image (2147483647 bytes) and none larger than its compressed data can hold is allocated.
DecodedImage decodeImagePng(const std::string &path, const std::uint8_t *data, std::size_t size);
// A font sheet from the bytes of a .png file: the picture must be 256 x 256; colours become grey
// by their luminance (Rec. 601), alpha is left out.
FontSheet decodeFontPng(const std::string &path, const std::uint8_t *data, std::size_t size);

// The same, from a file.
DecodedImage readImagePng(const std::string &file);
FontSheet readFontPng(const std::string &file);
