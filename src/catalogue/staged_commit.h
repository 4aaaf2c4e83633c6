#pragma once

#include <string>
#include <vector>

#include "write_journal.h"

// Moving finished files over the game files so that the folder ends with all of them or none.
// The caller holds the folder's lock for writing (or, for settling, alone). Nothing here ever
// deletes a game file's content unless a copy of it is kept: the game's original goes to
// tessary-originals, or stays beside the game file when it can't.
namespace StagedCommit {

// A finished file, complete and flushed to the disk, waiting beside the game file it replaces.
struct StagedFile {
    std::string target; // relative to the data folder ("images/12.gpi")
    std::string staged; // relative to the data folder, beside target
    std::uint64_t size = 0;
};

// What became of the originals a commit or a settling moved aside, beyond the moves themselves.
struct Kept {
    // One sentence for each game's original that could not be kept in tessary-originals and
    // stays beside its game file instead (the next opening of the folder tries again).
    std::vector<Message> leftAside;
};

// Makes sure, before anything moves, that the game's original of each target (relative names)
// can be kept: a kept original is a plain file, and tessary-originals and its image and font
// folders are real folders (not links) on the game files' drive that take a new file. Makes
// those folders where missing. Throws GameFileError naming what is in the way.
void checkKeeping(const std::string &gp4Path, const std::vector<std::string> &targets);

// Records the moves in the journal, moves each original aside and each staged file into place,
// flushes the folders, removes the journal, and keeps each original as the game's own the first
// time it is replaced (else removes it). A move that fails puts every original back; the
// GameFileError thrown then says that nothing was changed, or, if even that failed, that the
// write-back is finished the next time the folder is opened.
Kept commit(const std::string &gp4Path, const std::vector<StagedFile> &files);

// What settling a journal left behind did.
struct Settled {
    bool finished = false;          // the write-back was finished (else it was undone)
    std::size_t files = 0;          // entries of the journal
    std::vector<std::string> keptNew; // undone, but with no earlier file to put back: left with the new content
    Kept kept;
};

// Finishes the moves a journal records when every new file is whole, else puts the originals
// back; then removes the journal. A journal that does not match the files on disk (a game file,
// a new file or an original gone where the moves can't have taken it, a link or a folder where
// a file should be) is refused as damaged, and nothing is touched.
Settled settle(const std::string &gp4Path, const std::vector<JournalEntry> &entries);

// An original moved aside (relative name): kept as the game's original of target when none is
// kept yet, otherwise removed. Returns an empty message when done, else why it stays where it is.
Message keepOriginal(const std::string &gp4Path, const std::string &aside, const std::string &target);

} // namespace StagedCommit
