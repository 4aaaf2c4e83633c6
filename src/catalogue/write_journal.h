#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game_file_error.h"

// The record a write-back keeps while it moves files into place: for each game file, the
// finished file that replaces it and the name its original is moved aside to. Names are
// relative to the data folder MenuData/PC/GP2001, with '/'. With the record on disk, a
// write-back cut short can always be finished or undone.
struct JournalEntry {
    std::string target;      // the game file ("images/12.gpi")
    std::string staged;      // the finished file beside it
    std::string aside;       // where the original goes; empty when there was no original
    std::uint64_t stagedSize = 0;
    bool operator==(const JournalEntry &) const = default;
};

// A record that Tessary can't act on; the folder is left as it is.
class DamagedRecord : public GameFileError {
public:
    using GameFileError::GameFileError;
};

namespace WriteJournal {

// The text of the record.
std::string encode(const std::vector<JournalEntry> &entries);
// Reads the record; throws GameFileError naming path when it is not one Tessary wrote, or names
// any file but a game file and its own scratch files beside it.
std::vector<JournalEntry> parse(const std::string &path, const std::string &text);
// Reads the record from its file, never through a link and never more than a record can hold.
std::vector<JournalEntry> read(const std::string &path);
// Throws the DamagedRecord error that a record that can't be used is refused with; what says why.
[[noreturn]] void refuse(const std::string &path, Message what);

// True when relative (to the data folder, with '/') names a game file: the index, an image, a font.
bool isGameFile(const std::string &relative);

// True for the file (relative to the data folder) that shows that a folder of kept originals
// takes new files: "tessary-originals/images/tessary-check" and the like.
bool isKeepingCheck(const std::string &relative);

// What a file in the data folder or its image and font folders is to the write-back.
enum class Scratch {
    None,   // anything else, a user's own file that merely looks alike included
    Staged, // a file written for a write-back and not (yet) moved into place
    Aside,  // an original moved aside by a write-back
};
// relative is named from the data folder ("images/12.gpi.tessary-4711-0123456789abcdef.new").
// Only the exact names Tessary writes count: a game file's (or the record's own) name, the
// process and 16 random hexadecimal digits.
Scratch scratchKind(const std::string &relative);
// The file a scratch file belongs to ("images/12.gpi"); relative itself for other names.
std::string scratchTarget(const std::string &relative);

} // namespace WriteJournal
