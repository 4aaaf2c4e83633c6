#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "catalogue.h"
#include "pixel_buffer.h"

// A menu image read from a .tga file: top row first, 32-bit blue, green, red, alpha pixels.
struct DecodedImage {
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::int32_t ByteCount = 0; // Width x Height x 4
    PixelBuffer Pixels;
};

// Reads a menu image from the bytes of a .tga file (see planImageTga for what is accepted).
// Rows and columns are put in top-left order whatever the file's origin; 24-bit and grey pixels
// become opaque. Throws TgaRleRefused or GameFileError naming path; nothing is allocated from
// the header's size before size has shown the pixels are there.
DecodedImage decodeImageTga(const std::string &path, const std::uint8_t *data, std::size_t size);

// Reads a 256 x 256 font sheet from the bytes of a .tga file, top row first: 8-bit grey levels
// as they are, colour pixels (24-, 32-bit or colour-mapped) made grey by their luminance.
// Throws as decodeImageTga does.
FontSheet decodeFontTga(const std::string &path, const std::uint8_t *data, std::size_t size);
