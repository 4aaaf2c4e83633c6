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

// What decoding one mod's pictures may take, counted before each is decoded from the size its
// header gives: no picture larger than MaxSide x MaxSide pixels, and at most the budget's bytes
// of decoded pixels for the whole mod (a small file can promise a huge picture).
class DecodeBudget {
public:
    static constexpr std::int64_t MaxSide = 8192;
    explicit DecodeBudget(std::uint64_t bytes = std::uint64_t(1) << 30) : m_left(bytes), m_total(bytes) {}
    // Charges the picture in bytes (a .png or .tga file's), entry of the mod source; throws
    // GameFileError naming source and entry when it is too large or the budget is spent.
    void take(const std::string &source, const std::string &entry, const std::vector<std::uint8_t> &bytes);

private:
    std::uint64_t m_left;
    std::uint64_t m_total;
};

namespace PictureBytes {

// True when the bytes start with the PNG signature.
bool isPng(const std::vector<std::uint8_t> &bytes);
// A menu image or a font sheet from a .png (by its signature) or .tga file's bytes.
DecodedImage image(const PictureCodec &codec, const std::string &name, const std::vector<std::uint8_t> &bytes);
FontSheet font(const PictureCodec &codec, const std::string &name, const std::vector<std::uint8_t> &bytes);

} // namespace PictureBytes
