// Feeds arbitrary bytes to the .tga readers of menu images and font sheets. Whatever they
// accept must be a whole picture: the byte count, width and height agree, a sheet is 256 x 256.
#include <cstdlib>

#include "game_file_error.h"
#include "tga_decode.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    try {
        const DecodedImage image = decodeImageTga("picture.tga", data, size);
        if (image.Width < 0 || image.Height < 0
            || std::int64_t(image.ByteCount) != std::int64_t(image.Width) * image.Height * 4
            || image.Pixels.size() != std::size_t(image.ByteCount) / 4)
            std::abort();
    } catch (const GameFileError &) {
    }
    try {
        const FontSheet sheet = decodeFontTga("sheet.tga", data, size);
        if (sheet.size() != FontSheetBytes)
            std::abort();
    } catch (const GameFileError &) {
    }
    return 0;
}
