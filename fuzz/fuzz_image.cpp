// Loads arbitrary bytes as a menu image file: every byte must arrive, whatever the length.
#include <cstdlib>
#include <cstring>

#include "catalogue.h"
#include "game_file_error.h"
#include "game_paths.h"
#include "scratch_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Catalogue c;
    c.GP4Path = scratchGameFolder();
    c.ImageCount = 2;
    c.ImageDetails.resize(2);
    c.ImageBlocks.resize(2);
    c.ImagePixels.resize(2);
    c.ImageSizes.resize(2);
    writeScratchFile(GamePaths::image(c.GP4Path, 1), data, size);
    try {
        c.ImportGPI(1);
    } catch (const GameFileError &) {
        std::abort(); // any file that exists and can be read is an image
    }
    if (std::size_t(c.ImageSizes[1]) != size || c.loadedPixels(1) != size / 4
        || (size && std::memcmp(c.ImagePixels[1].data(), data, size) != 0))
        std::abort();
    return 0;
}
