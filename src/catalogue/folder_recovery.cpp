#include "folder_recovery.h"

#include <vector>

#include "file_ops.h"
#include "game_file_error.h"
#include "game_paths.h"
#include "interruption.h"
#include "staged_commit.h"
#include "write_back.h"
#include "write_journal.h"

namespace FolderRecovery {

namespace {

struct Tidied {
    int removed = 0;
    int kept = 0;
    std::vector<std::string> leftAside;
};

// Removes the unfinished files of write-backs that never reached their journal, and keeps or
// removes the originals of one that finished all but its tidying. Only Tessary's exact names
// beside a game file count, and an image or font folder that is a link to somewhere else is
// left alone: nothing outside the data folder goes on the strength of a name.
Tidied tidyScratchFiles(const std::string &gp4Path)
{
    Tidied tidied;
    for (const std::string folder : {"", "images", "fonts", "tessary-originals", "tessary-originals/images", "tessary-originals/fonts", "tessary-mods"}) {
        if (!folder.empty() && (FileOps::isLink(GamePaths::underData(gp4Path, folder))
                                || (folder.find('/') != std::string::npos && FileOps::isLink(GamePaths::originals(gp4Path)))))
            continue;
        const std::string prefix = folder.empty() ? std::string() : folder + "/";
        for (const std::string &name : FileOps::namesIn(folder.empty() ? GamePaths::dataFolder(gp4Path) : GamePaths::underData(gp4Path, folder))) {
            const std::string relative = prefix + name;
            // Tessary writes only plain files; a link or a folder by such a name is someone else's.
            const WriteJournal::Scratch kind = WriteJournal::scratchKind(relative);
            if (kind == WriteJournal::Scratch::None || !FileOps::isPlainFile(GamePaths::underData(gp4Path, relative)))
                continue;
            // An earlier version of the record of installed mods is Tessary's own, not the game's.
            const bool ownFile = kind == WriteJournal::Scratch::Staged
                                 || GamePaths::isModRecord(WriteJournal::scratchTarget(relative));
            switch (ownFile ? WriteJournal::Scratch::Staged : kind) {
            case WriteJournal::Scratch::None: break;
            case WriteJournal::Scratch::Staged:
                FileOps::removeQuietly(GamePaths::underData(gp4Path, relative));
                ++tidied.removed;
                break;
            case WriteJournal::Scratch::Aside:
                const std::string why = StagedCommit::keepOriginal(gp4Path, relative, WriteJournal::scratchTarget(relative));
                if (why.empty())
                    ++tidied.kept;
                else
                    tidied.leftAside.push_back(why);
                break;
            }
        }
    }
    return tidied;
}

std::string sentenceFor(const std::string &gp4Path, const StagedCommit::Settled &settled)
{
    const std::string head = "A write-back to " + gp4Path + " was cut short; ";
    if (settled.finished)
        return head + "Tessary has finished it, so all " + std::to_string(settled.files) + " files it was replacing now hold the changes.";
    if (settled.keptNew.empty())
        return head + "Tessary has put the earlier files back, so the folder is as it was before it.";
    return head + "Tessary has put the earlier files back, but " + std::to_string(settled.keptNew.size())
           + (settled.keptNew.size() == 1 ? " file that did not exist before it keeps" : " files that did not exist before it keep")
           + " the new content: " + shortList(settled.keptNew) + ".";
}

} // namespace

std::string settle(const std::string &gp4Path)
{
    const Interruption::Shield asOne;
    const std::string journal = GamePaths::journal(gp4Path);
    std::string sentence;
    std::vector<std::string> leftAside;
    if (FileOps::exists(journal)) {
        const std::vector<JournalEntry> entries = WriteJournal::read(journal);
        try {
            const StagedCommit::Settled settled = StagedCommit::settle(gp4Path, entries);
            sentence = sentenceFor(gp4Path, settled);
            leftAside = settled.kept.leftAside;
        } catch (const DamagedRecord &) {
            throw;
        } catch (const GameFileError &error) {
            throw GameFileError(error.path(), Message::joined(error.why(), CORE_WORDING("CoreMessages", "a write-back to this game folder was cut short, and Tessary can't finish or undo it")));
        }
    }
    const Tidied tidied = tidyScratchFiles(gp4Path);
    if (sentence.empty() && tidied.removed + tidied.kept > 0) {
        const auto count = [](int n, const char *what) { return std::to_string(n) + " " + what + (n == 1 ? "" : "s"); };
        sentence = "Tessary " + (tidied.removed > 0 ? "removed " + count(tidied.removed, "unfinished file") : std::string())
                   + (tidied.removed > 0 && tidied.kept > 0 ? " and " : "")
                   + (tidied.kept > 0 ? "kept " + count(tidied.kept, "original") + " in tessary-originals" : std::string())
                   + " that an earlier write-back to " + gp4Path + " left behind; the game files were not touched.";
    }
    leftAside.insert(leftAside.end(), tidied.leftAside.begin(), tidied.leftAside.end());
    for (const std::string &why : leftAside)
        sentence += (sentence.empty() ? "" : " ") + why;
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
        throw GameFileError(GamePaths::dataFolder(gp4Path), FolderLock::readersBusy());
    opened.lock.share();
    return opened;
}

} // namespace FolderRecovery
