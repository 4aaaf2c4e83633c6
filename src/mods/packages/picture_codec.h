#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "catalogue.h"
#include "tga_decode.h"

// The .png files of mods, which the program's picture layer makes and reads (the core has no
// PNG code of its own); the core reads .tga itself.
struct PictureCodec {
    // A picture of width x height pixels (blue, green, red, alpha bytes) as PNG bytes, written
    // as "Save image to a .tga file" writes a .png file. Throws GameFileError.
    std::function<std::vector<std::uint8_t>(std::int32_t width, std::int32_t height, const std::uint32_t *pixels)> encodeImage;
    // A font sheet as an 8-bit grey PNG.
    std::function<std::vector<std::uint8_t>(const FontSheet &sheet)> encodeFont;
    // A menu image and a font sheet from a PNG file's bytes; name names it in a GameFileError.
    std::function<DecodedImage(const std::string &name, const std::vector<std::uint8_t> &bytes)> decodeImage;
    std::function<FontSheet(const std::string &name, const std::vector<std::uint8_t> &bytes)> decodeFont;
};

namespace PictureBytes {

// True when the bytes start with the PNG signature.
bool isPng(const std::vector<std::uint8_t> &bytes);
// A menu image or a font sheet from a .png (by its signature) or .tga file's bytes.
DecodedImage image(const PictureCodec &codec, const std::string &name, const std::vector<std::uint8_t> &bytes);
FontSheet font(const PictureCodec &codec, const std::string &name, const std::vector<std::uint8_t> &bytes);

} // namespace PictureBytes
