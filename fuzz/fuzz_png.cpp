// Feeds arbitrary bytes to the .png readers of menu images and font sheets. Whatever they
// accept must be a whole picture: the byte count, width and height agree, a sheet is 256 x 256.
#include <cstdlib>

#include "game_file_error.h"
#include "png_decode.h"

namespace {

// A few bytes can describe a picture of 2 GB that deflate really fills, more than the fuzzer's
// memory; pictures above 4 million pixels are left out (the reader's own limits are tested).
bool tooLarge(const std::uint8_t *data, std::size_t size)
{
    if (size < 24)
        return false;
    const auto word = [data](std::size_t at) {
        return std::uint64_t(data[at]) << 24 | std::uint64_t(data[at + 1]) << 16 | std::uint64_t(data[at + 2]) << 8 | data[at + 3];
    };
    return word(16) * word(20) > (std::uint64_t(1) << 22);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (tooLarge(data, size))
        return 0;
    try {
        const DecodedImage image = decodeImagePng("picture.png", data, size);
        if (image.Width <= 0 || image.Height <= 0
            || std::int64_t(image.ByteCount) != std::int64_t(image.Width) * image.Height * 4
            || image.Pixels.size() != std::size_t(image.ByteCount) / 4)
            std::abort();
    } catch (const GameFileError &) {
    }
    try {
        const FontSheet sheet = decodeFontPng("sheet.png", data, size);
        if (sheet.size() != FontSheetBytes)
            std::abort();
    } catch (const GameFileError &) {
    }
    return 0;
}
