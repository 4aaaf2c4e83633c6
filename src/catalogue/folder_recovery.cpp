#include "folder_recovery.h"

#include <vector>

#include "file_ops.h"
#include "game_file_error.h"
#include "game_paths.h"
#include "staged_commit.h"
#include "write_journal.h"

namespace FolderRecovery {

namespace {

constexpr std::uint64_t MaxJournalBytes = 16u << 20;

// Removes the unfinished files of write-backs that never reached their journal, and keeps or
// removes the originals of one that finished all but its tidying. Returns how many it found.
int tidyScratchFiles(const std::string &gp4Path)
{
    int found = 0;
    for (const char *folder : {"", "images", "fonts", "tessary-mods"}) {
        const std::string prefix = *folder ? std::string(folder) + "/" : std::string();
        for (const std::string &name : FileOps::namesIn(*folder ? GamePaths::underData(gp4Path, folder) : GamePaths::dataFolder(gp4Path))) {
            const WriteJournal::Scratch kind = WriteJournal::scratchKind(name);
            if (kind == WriteJournal::Scratch::None)
                continue;
            ++found;
            if (kind == WriteJournal::Scratch::Staged)
                FileOps::removeQuietly(GamePaths::underData(gp4Path, prefix + name));
            else
                StagedCommit::disposeOriginal(gp4Path, prefix + name, prefix + WriteJournal::scratchTarget(name));
        }
    }
    return found;
}

} // namespace

std::string settle(const std::string &gp4Path)
{
    const std::string journal = GamePaths::journal(gp4Path);
    std::string sentence;
    if (FileOps::exists(journal)) {
        // A journal lists a few hundred names; anything far larger is not one.
        if (FileOps::stampOf(journal).size > MaxJournalBytes)
            WriteJournal::parse(journal, "");
        const std::vector<std::uint8_t> bytes = FileOps::readWhole(journal);
        const std::vector<JournalEntry> entries = WriteJournal::parse(journal, std::string(bytes.begin(), bytes.end()));
        try {
            if (StagedCommit::canFinish(gp4Path, entries)) {
                StagedCommit::finish(gp4Path, entries);
                sentence = "A write-back to " + gp4Path + " was cut short; Tessary has finished it, so all "
                           + std::to_string(entries.size()) + " files it was replacing now hold the changes.";
            } else {
                StagedCommit::undo(gp4Path, entries);
                sentence = "A write-back to " + gp4Path
                           + " was cut short; Tessary has put the earlier files back, so the folder is as it was before it.";
            }
        } catch (const GameFileError &error) {
            throw GameFileError(error.path(), error.reason() + "; a write-back to this game folder was cut short, and Tessary can't finish or undo it");
        }
    }
    const int tidied = tidyScratchFiles(gp4Path);
    if (sentence.empty() && tidied > 0)
        sentence = "Tessary removed " + std::to_string(tidied) + " unfinished file" + (tidied == 1 ? "" : "s")
                   + " that an earlier write-back to " + gp4Path + " left behind; the game files were not touched.";
    return sentence;
}

Opened openForReading(const std::string &gp4Path)
{
    Opened opened{FolderLock(gp4Path, FolderLock::Mode::Read), std::string()};
    // Alone, or without a lock at all (a medium no one can write), the folder is settled at once;
    // beside other readers only a journal is worth waiting for.
    if (!opened.lock.held() || opened.lock.exclusive() || (FileOps::exists(GamePaths::journal(gp4Path)) && opened.lock.waitExclusive()))
        opened.settled = settle(gp4Path);
    else if (FileOps::exists(GamePaths::journal(gp4Path)))
        throw GameFileError(GamePaths::dataFolder(gp4Path), FolderLock::ReadersBusy);
    opened.lock.share();
    return opened;
}

} // namespace FolderRecovery
