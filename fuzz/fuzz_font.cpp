// Feeds arbitrary bytes to the font reader, in memory and through a font file on disk. Whatever
// it accepts must write back as the same bytes (trailing bytes after the sheet aside), and the
// two ways of reading must agree.
#include <cstdlib>
#include <cstring>

#include "catalogue.h"
#include "font_file.h"
#include "game_file_error.h"
#include "game_paths.h"
#include "scratch_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Catalogue c;
    c.GP4Path = scratchGameFolder();
    c.FontBitmaps.resize(FontCount);
    writeScratchFile(GamePaths::font(c.GP4Path, 2), data, size);
    bool loaded = true;
    try {
        c.ImportGPF(2);
    } catch (const GameFileError &) {
        loaded = false;
    }

    TGPFDetails details;
    FontSheet sheet;
    try {
        FontFile::parse("font.gpf", data, size, details, sheet);
    } catch (const GameFileError &) {
        if (loaded)
            std::abort();
        return 0;
    }
    if (!loaded || c.FontBitmaps[2] != sheet || c.FontDetails[2].Table != details.Table)
        std::abort();
    const std::vector<std::uint8_t> written = FontFile::encode(details, sheet);
    if (written.size() > size || std::memcmp(written.data(), data, written.size()) != 0)
        std::abort();
    return 0;
}
