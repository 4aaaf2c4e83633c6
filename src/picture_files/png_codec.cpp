#include "png_codec.h"

#include "png_decode.h"
#include "png_export.h"

namespace PngCodec {

PictureCodec make()
{
    return {
        [](std::int32_t width, std::int32_t height, const std::uint32_t *pixels) {
            return encodeImagePng("a " + std::to_string(width) + " x " + std::to_string(height) + " picture", width, height, pixels);
        },
        [](const FontSheet &sheet) { return encodeFontPng("a font sheet", sheet); },
        [](const std::string &name, const std::vector<std::uint8_t> &bytes) { return decodeImagePng(name, bytes.data(), bytes.size()); },
        [](const std::string &name, const std::vector<std::uint8_t> &bytes) { return decodeFontPng(name, bytes.data(), bytes.size()); },
    };
}

} // namespace PngCodec
