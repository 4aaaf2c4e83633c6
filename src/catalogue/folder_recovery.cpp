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
    std::vector<Message> leftAside;
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
                Message why = StagedCommit::keepOriginal(gp4Path, relative, WriteJournal::scratchTarget(relative));
                if (why.empty())
                    ++tidied.kept;
                else
                    tidied.leftAside.push_back(std::move(why));
                break;
            }
        }
    }
    return tidied;
}

Message sentenceFor(const std::string &gp4Path, const StagedCommit::Settled &settled)
{
    const Message head = Message(CORE_WORDING("CoreMessages", "A write-back to %1 was cut short")).name(gp4Path);
    if (settled.finished)
        return Message::joined(head, Message(CORE_COUNTED_WORDING("CoreMessages", "Tessary has finished it, so all %n files it was replacing now hold the changes."))
                                         .count(static_cast<long long>(settled.files),
                                                "Tessary has finished it, so the %n file it was replacing now holds the changes."));
    if (settled.keptNew.empty())
        return Message::joined(head, CORE_WORDING("CoreMessages", "Tessary has put the earlier files back, so the folder is as it was before it."));
    return Message::joined(head, Message(CORE_COUNTED_WORDING("CoreMessages", "Tessary has put the earlier files back, but %n files that did not exist before it keep the new content: %1."))
                                     .nested(Message::list(settled.keptNew, 10))
                                     .count(static_cast<long long>(settled.keptNew.size()),
                                            "Tessary has put the earlier files back, but %n file that did not exist before it keeps "
                                            "the new content: %1."));
}

// Sentences said one after another.
Message followedBy(Message first, Message next)
{
    return first.empty() ? next : Message("%1 %2").nested(std::move(first)).nested(std::move(next));
}

} // namespace

Message settle(const std::string &gp4Path)
{
    const Interruption::Shield asOne;
    const std::string journal = GamePaths::journal(gp4Path);
    Message sentence;
    std::vector<Message> leftAside;
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
        const Message removed = Message(CORE_COUNTED_WORDING("CoreMessages", "%n unfinished files")).count(tidied.removed, "%n unfinished file");
        const Message kept = Message(CORE_COUNTED_WORDING("CoreMessages", "%n originals")).count(tidied.kept, "%n original");
        const Message what = tidied.kept == 0    ? Message(CORE_WORDING("CoreMessages", "Tessary removed %1 that an earlier write-back to %2 left behind")).nested(removed).name(gp4Path)
                             : tidied.removed == 0 ? Message(CORE_WORDING("CoreMessages", "Tessary kept %1 in tessary-originals that an earlier write-back to %2 left behind")).nested(kept).name(gp4Path)
                                                   : Message(CORE_WORDING("CoreMessages", "Tessary removed %1 and kept %2 in tessary-originals that an earlier write-back to %3 left behind")).nested(removed).nested(kept).name(gp4Path);
        sentence = Message::joined(what, CORE_WORDING("CoreMessages", "the game files were not touched."));
    }
    leftAside.insert(leftAside.end(), tidied.leftAside.begin(), tidied.leftAside.end());
    for (const Message &why : leftAside)
        sentence = followedBy(std::move(sentence), why);
    return sentence;
}

Opened openForReading(const std::string &gp4Path)
{
    Opened opened{FolderLock(gp4Path, FolderLock::Mode::Read), Message()};
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
