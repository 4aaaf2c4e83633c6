#pragma once

#include <string>
#include <vector>

#include "write_journal.h"

// Moving finished files over the game files so that the folder ends with all of them or none.
// The caller holds the folder's lock for writing (or, for settling, alone).
namespace StagedCommit {

// A finished file, complete and flushed to the disk, waiting beside the game file it replaces.
struct StagedFile {
    std::string target; // relative to the data folder ("images/12.gpi")
    std::string staged; // relative to the data folder, beside target
    std::uint64_t size = 0;
};

// Records the moves in the journal, moves each original aside and each staged file into place,
// flushes the folders, removes the journal, and keeps each original as the game's own the first
// time it is replaced (else removes it). A move that fails puts every original back; the
// GameFileError thrown then says that nothing was changed, or, if even that failed, that the
// write-back is finished the next time the folder is opened.
void commit(const std::string &gp4Path, const std::vector<StagedFile> &files);

// True when every entry's staged file is whole or already in place, so the moves can be finished.
bool canFinish(const std::string &gp4Path, const std::vector<JournalEntry> &entries);
// Finishes the moves a journal records, then removes it.
void finish(const std::string &gp4Path, const std::vector<JournalEntry> &entries);
// Puts every original a journal records back in place, removes the staged files, then the journal.
void undo(const std::string &gp4Path, const std::vector<JournalEntry> &entries);
// An original moved aside (relative name): kept as the game's original of target when none is
// kept yet, otherwise removed. Failures leave it for the next opening of the folder to tidy.
void disposeOriginal(const std::string &gp4Path, const std::string &aside, const std::string &target);

} // namespace StagedCommit
