// Feeds arbitrary bytes to the font reader. Whatever it accepts must write back as the same
// bytes (trailing bytes after the sheet aside), and reading only what the header asks for
// (as loading from disk does) must give the same result as reading everything.
#include <cstdlib>
#include <cstring>

#include "catalogue.h"
#include "font_file.h"
#include "game_file_error.h"

namespace {
bool parses(const std::uint8_t *data, std::size_t size, TGPFDetails &details, FontSheet &sheet)
{
    try {
        FontFile::parse("font.gpf", data, size, details, sheet);
        return true;
    } catch (const GameFileError &) {
        return false;
    }
}
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    TGPFDetails details;
    FontSheet sheet;
    const bool whole = parses(data, size, details, sheet);
    if (size >= FontFile::TableAt) {
        const std::uint64_t toRead = FontFile::bytesToRead(data, size);
        TGPFDetails headFirst;
        FontSheet headFirstSheet;
        if (toRead > size || parses(data, std::size_t(toRead), headFirst, headFirstSheet) != whole)
            std::abort();
        if (whole && (headFirstSheet != sheet || headFirst.Table != details.Table))
            std::abort();
    }
    if (!whole)
        return 0;
    const std::vector<std::uint8_t> written = FontFile::encode(details, sheet);
    if (written.size() > size || std::memcmp(written.data(), data, written.size()) != 0)
        std::abort();
    return 0;
}
