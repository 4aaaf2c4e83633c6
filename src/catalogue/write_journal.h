#pragma once

#include <cstdint>
#include <string>
#include <vector>

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

namespace WriteJournal {

// The text of the record.
std::string encode(const std::vector<JournalEntry> &entries);
// Reads the record; throws GameFileError naming path when it is not one Tessary wrote, or names
// any file but a game file and its own scratch files beside it.
std::vector<JournalEntry> parse(const std::string &path, const std::string &text);

// What a file name in a game folder is to the write-back.
enum class Scratch {
    None,   // anything else
    Staged, // a file written for a write-back and not (yet) moved into place
    Aside,  // an original moved aside by a write-back
};
// file is a bare name ("12.gpi.tessary-4711-0123456789abcdef.new").
Scratch scratchKind(const std::string &file);
// The game file a scratch file belongs to ("12.gpi"); file itself for other names.
std::string scratchTarget(const std::string &file);

} // namespace WriteJournal
