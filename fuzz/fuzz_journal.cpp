// Feeds arbitrary text to the write-back journal reader, which decides what files an
// interrupted write-back moves. Whatever it accepts must name only game files and their own
// scratch files, and write back as the same text.
#include <cstdlib>
#include <string>

#include "game_file_error.h"
#include "write_journal.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    std::vector<JournalEntry> entries;
    try {
        entries = WriteJournal::parse("tessary-write-back.journal", text);
    } catch (const GameFileError &) {
        return 0;
    }
    for (const JournalEntry &entry : entries) {
        if (entry.target.find("..") != std::string::npos || entry.target.front() == '/'
            || WriteJournal::scratchKind(entry.staged) != WriteJournal::Scratch::Staged
            || (!entry.aside.empty() && WriteJournal::scratchKind(entry.aside) != WriteJournal::Scratch::Aside))
            std::abort();
    }
    if (WriteJournal::encode(entries) != text)
        std::abort();
    return 0;
}
