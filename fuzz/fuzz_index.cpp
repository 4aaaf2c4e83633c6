// Feeds arbitrary bytes to the index reader. Whatever it accepts must write back as the same
// bytes (trailing bytes after the last entry aside).
#include <cstdlib>
#include <cstring>

#include "catalogue.h"
#include "game_file_error.h"
#include "index_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Catalogue c;
    try {
        IndexFile::parse("Gp2001.gph", data, size, c);
    } catch (const GameFileError &) {
        return 0;
    }
    const std::vector<std::uint8_t> written = IndexFile::encode(c);
    if (written.size() > size || std::memcmp(written.data(), data, written.size()) != 0)
        std::abort();
    return 0;
}
