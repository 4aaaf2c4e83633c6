// Feeds arbitrary bytes to the archive reader, which every mod archive passes through. Whatever
// it accepts must be within its limits and carry only plain names: relative, no "..", no ':',
// no backslash, valid UTF-8, none twice (letter case aside).
#include <cstdlib>
#include <set>
#include <string>

#include "archive_reader.h"
#include "game_file_error.h"
#include "utf8_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    ArchiveLimits limits;
    limits.totalBytes = 64u << 20;
    limits.ratioFrom = 1u << 20;
    limits.entries = 2000;
    std::vector<ArchiveEntry> entries;
    try {
        entries = ArchiveReader::read("fuzz.zip", data, size, limits);
    } catch (const GameFileError &) {
        return 0;
    }
    std::set<std::string> names;
    std::uint64_t total = 0;
    for (const ArchiveEntry &entry : entries) {
        const std::string &name = entry.name;
        const std::string wrapped = "/" + name + "/";
        if (name.empty() || name.front() == '/' || name.back() == '/' || wrapped.find("/../") != std::string::npos
            || wrapped.find("/./") != std::string::npos || wrapped.find("//") != std::string::npos
            || name.find_first_of("\\:") != std::string::npos || !Utf8Text::isValid(name)
            || !names.insert(Utf8Text::foldedCase(name)).second)
            std::abort();
        total += entry.bytes.size();
    }
    if (total > limits.totalBytes || entries.size() > limits.entries)
        std::abort();
    return 0;
}
