#include "staged_commit.h"

#include <set>

#include "file_ops.h"
#include "game_file_error.h"
#include "game_paths.h"
#include "interruption.h"

namespace StagedCommit {

namespace {

namespace PF = PlatformFiles;

std::string at(const std::string &gp4Path, const std::string &relative)
{
    return GamePaths::underData(gp4Path, relative);
}

// Every folder the entries touch, the data folder (which holds the journal) included.
std::set<std::string> foldersOf(const std::string &gp4Path, const std::vector<JournalEntry> &entries)
{
    std::set<std::string> folders{GamePaths::dataFolder(gp4Path)};
    for (const JournalEntry &entry : entries) {
        const std::string folder = GamePaths::folderOf(entry.target);
        folders.insert(folder.empty() ? GamePaths::dataFolder(gp4Path) : at(gp4Path, folder));
    }
    return folders;
}

void flushFolders(const std::set<std::string> &folders)
{
    for (const std::string &folder : folders)
        FileOps::flushFolder(folder);
}

void writeJournal(const std::string &gp4Path, const std::vector<JournalEntry> &entries)
{
    const std::string journal = GamePaths::journal(gp4Path);
    const std::string text = WriteJournal::encode(entries);
    FileOps::OutputFile out = FileOps::OutputFile::beside(journal, "new");
    try {
        out.write(text.data(), text.size());
        out.close(FileOps::OutputFile::Durability::Flushed);
        FileOps::renameReplacing(out.path(), journal, journal);
    } catch (const std::exception &) {
        FileOps::removeQuietly(out.path());
        throw;
    }
    FileOps::flushFolder(GamePaths::dataFolder(gp4Path));
}

void removeJournal(const std::string &gp4Path)
{
    FileOps::removeFile(GamePaths::journal(gp4Path), GamePaths::journal(gp4Path));
    FileOps::flushFolder(GamePaths::dataFolder(gp4Path));
}

Kept keepOriginals(const std::string &gp4Path, const std::vector<JournalEntry> &entries)
{
    Kept kept;
    for (const JournalEntry &entry : entries) {
        if (entry.aside.empty())
            continue;
        Message why = keepOriginal(gp4Path, entry.aside, entry.target);
        if (!why.empty())
            kept.leftAside.push_back(std::move(why));
    }
    return kept;
}

// What stands at a name: nothing, a plain file (never a link) of some size, or something else.
struct Found {
    bool plain = false;
    bool other = false;
    std::uint64_t size = 0;
};

Found lookAt(const std::string &path)
{
    PF::Info info;
    if (PF::linkInfoOf(path, info) != 0)
        return {};
    if (info.regular && !info.link)
        return {true, false, info.size};
    return {false, true, 0};
}

// Where one entry's moves stand, read from the disk.
enum class Stage {
    NotBegun,   // the game file (if any) in place, the new file beside it
    MovedAside, // the original aside, the new file (if still there) not yet in place
    InPlace,    // the new file in place (its original, if any, aside)
    Undone,     // the original back in place, the new file gone
};

struct Judged {
    Stage stage = Stage::NotBegun;
    bool wholeNewFile = false; // the new file is there with the size the journal gives it
};

// The stage of entry; when the files on disk can't have come from its moves, mismatch says why.
Judged judge(const std::string &gp4Path, const JournalEntry &entry, Message &mismatch)
{
    const Found game = lookAt(at(gp4Path, entry.target)), fresh = lookAt(at(gp4Path, entry.staged));
    const Found aside = entry.aside.empty() ? Found{} : lookAt(at(gp4Path, entry.aside));
    for (const auto &[name, found] : {std::pair{&entry.target, game}, {&entry.staged, fresh}, {&entry.aside, aside}})
        if (found.other) {
            mismatch = Message(CORE_WORDING("CoreMessages", "%1 is not a plain file")).name(quotedForMessage(*name));
            return {};
        }
    const bool whole = fresh.plain && fresh.size == entry.stagedSize;
    if (entry.aside.empty()) {
        if (!game.plain && fresh.plain)
            return {Stage::NotBegun, whole};
        if (game.plain && !fresh.plain)
            return {Stage::InPlace};
        mismatch = Message(game.plain ? CORE_WORDING("CoreMessages", "%1 exists, though the record says it did not before the write-back") : CORE_WORDING("CoreMessages", "%1 and its new file are both missing"))
                       .name(quotedForMessage(entry.target));
        return {};
    }
    if (game.plain && !aside.plain && fresh.plain)
        return {Stage::NotBegun, whole};
    if (!game.plain && aside.plain)
        return {Stage::MovedAside, whole}; // without its new file it can only go back
    if (game.plain && aside.plain && !fresh.plain)
        return {Stage::InPlace};
    if (game.plain && !aside.plain && !fresh.plain)
        return {Stage::Undone};
    mismatch = Message(game.plain ? CORE_WORDING("CoreMessages", "%1, its original and its new file are all there at once") : CORE_WORDING("CoreMessages", "%1 and the original the record moved aside are both missing"))
                   .name(quotedForMessage(entry.target));
    return {};
}

// Puts back the originals of the first moved entries of a commit under way in this process,
// which knows that every file it placed is its own: a file that had no original is removed.
void rollBack(const std::string &gp4Path, const std::vector<JournalEntry> &entries, std::size_t movedAside, std::size_t placed)
{
    for (std::size_t k = movedAside; k-- > 0;) {
        const JournalEntry &entry = entries[k];
        const std::string target = at(gp4Path, entry.target);
        if (k < placed && entry.aside.empty())
            FileOps::removeFile(target, target);
        else if (!entry.aside.empty())
            FileOps::renameReplacing(at(gp4Path, entry.aside), target, target);
    }
    for (const JournalEntry &entry : entries)
        FileOps::removeQuietly(at(gp4Path, entry.staged));
    flushFolders(foldersOf(gp4Path, entries));
    removeJournal(gp4Path);
}

// Makes folder (relative to the data folder) a real folder for kept originals, and checks that
// it takes a new file on the same drive as the game files of gameFolder.
void prepareOriginalsFolder(const std::string &gp4Path, const std::string &folder, const std::string &gameFolder)
{
    const std::string path = folder.empty() ? GamePaths::originals(gp4Path) : GamePaths::original(gp4Path, folder);
    try {
        FileOps::makeFolder(path);
        // A file of a name Tessary tidies away, should it die before removing it.
        FileOps::OutputFile probe = FileOps::OutputFile::beside(GamePaths::inFolder(path, "tessary-check"), "new");
        const std::string probePath = probe.path();
        try {
            probe.close(FileOps::OutputFile::Durability::Cached);
        } catch (const GameFileError &) {
            FileOps::removeQuietly(probePath);
            throw;
        }
        FileOps::removeQuietly(probePath);
    } catch (const GameFileError &error) {
        throw GameFileError(path, Message::joined(error.why(), CORE_WORDING("CoreMessages", "Tessary keeps the game's original files there")));
    }
    PF::Info kept, game;
    if (PF::identityOf(path, kept) == 0 && PF::identityOf(gameFolder, game) == 0 && kept.device != game.device)
        throw GameFileError(path, CORE_WORDING("CoreMessages", "lies on another drive than the game files, so Tessary can't keep the game's original files there"));
}

} // namespace

void checkKeeping(const std::string &gp4Path, const std::vector<std::string> &targets)
{
    std::set<std::string> folders;
    for (const std::string &target : targets) {
        const std::string kept = GamePaths::original(gp4Path, target);
        PF::Info info;
        const int error = PF::linkInfoOf(kept, info);
        if (error == 0 && info.regular && !info.link)
            continue; // kept already
        if (error == 0)
            throw GameFileError(kept, Message::joined(info.link ? FailureText::IsLink : CORE_WORDING("CoreMessages", "is not a plain file"),
                                                      Message(CORE_WORDING("CoreMessages", "Tessary keeps the game's original of %1 there")).name(target)));
        if (!PF::isNotFound(error))
            throw GameFileError(kept, PF::describe(error));
        folders.insert(GamePaths::folderOf(target));
    }
    if (folders.empty())
        return;
    prepareOriginalsFolder(gp4Path, "", GamePaths::dataFolder(gp4Path));
    for (const std::string &folder : folders)
        if (!folder.empty())
            prepareOriginalsFolder(gp4Path, folder, at(gp4Path, folder));
}

Kept commit(const std::string &gp4Path, const std::vector<StagedFile> &files)
{
    if (files.empty())
        return {};
    const Interruption::Shield asOne;
    std::vector<JournalEntry> entries;
    for (const StagedFile &file : files) {
        std::string aside;
        if (FileOps::exists(at(gp4Path, file.target))) {
            do
                aside = FileOps::uniqueSiblingName(file.target, "old");
            while (FileOps::exists(at(gp4Path, aside)));
        }
        entries.push_back({file.target, file.staged, aside, file.size});
    }
    try {
        writeJournal(gp4Path, entries);
    } catch (const GameFileError &error) {
        FileOps::removeQuietly(GamePaths::journal(gp4Path));
        for (const JournalEntry &entry : entries)
            FileOps::removeQuietly(at(gp4Path, entry.staged));
        throw GameFileError(error.path(), Message::joined(error.why(), FailureText::NothingChanged));
    }

    std::size_t movedAside = 0, placed = 0;
    try {
        for (const JournalEntry &entry : entries) {
            const std::string target = at(gp4Path, entry.target);
            if (!entry.aside.empty())
                FileOps::renameReplacing(target, at(gp4Path, entry.aside), target);
            ++movedAside;
            FileOps::renameReplacing(at(gp4Path, entry.staged), target, target);
            ++placed;
        }
        flushFolders(foldersOf(gp4Path, entries));
    } catch (const GameFileError &error) {
        try {
            rollBack(gp4Path, entries, movedAside, placed);
        } catch (const GameFileError &undoError) {
            throw GameFileError(error.path(),
                                Message::joined(Message::joined(error.why(), Message(CORE_WORDING("CoreMessages", "putting the earlier files back failed too (%1)")).nested(undoError.message())),
                                                CORE_WORDING("CoreMessages", "Tessary finishes the write-back the next time it opens this game folder")));
        }
        throw GameFileError(error.path(), Message::joined(error.why(), placed > 0 ? CORE_WORDING("CoreMessages", "the files already replaced were put back, so nothing was changed")
                                                                                  : FailureText::NothingChanged));
    }
    // Every file is in place and on the disk; from here on the write-back has happened.
    try {
        removeJournal(gp4Path);
    } catch (const GameFileError &) {
        // A journal left behind only makes the next opening finish what is already finished.
    }
    return keepOriginals(gp4Path, entries);
}

Settled settle(const std::string &gp4Path, const std::vector<JournalEntry> &entries)
{
    const std::string journal = GamePaths::journal(gp4Path);
    std::vector<Judged> stages;
    bool canFinish = true;
    for (const JournalEntry &entry : entries) {
        Message mismatch;
        stages.push_back(judge(gp4Path, entry, mismatch));
        if (!mismatch.empty())
            WriteJournal::refuse(journal, Message(CORE_WORDING("CoreMessages", "it does not match the files on disk: %1")).nested(std::move(mismatch)));
        const Stage stage = stages.back().stage;
        canFinish = canFinish && stage != Stage::Undone
            && ((stage != Stage::NotBegun && stage != Stage::MovedAside) || stages.back().wholeNewFile);
    }

    Settled settled;
    settled.files = entries.size();
    settled.finished = canFinish;
    if (canFinish) {
        for (std::size_t k = 0; k < entries.size(); ++k) {
            const JournalEntry &entry = entries[k];
            const std::string target = at(gp4Path, entry.target);
            if (stages[k].stage == Stage::NotBegun && !entry.aside.empty())
                FileOps::renameReplacing(target, at(gp4Path, entry.aside), target);
            if (stages[k].stage == Stage::NotBegun || stages[k].stage == Stage::MovedAside)
                FileOps::renameReplacing(at(gp4Path, entry.staged), target, target);
        }
        flushFolders(foldersOf(gp4Path, entries));
        removeJournal(gp4Path);
        settled.kept = keepOriginals(gp4Path, entries);
        return settled;
    }
    for (std::size_t k = entries.size(); k-- > 0;) {
        const JournalEntry &entry = entries[k];
        const std::string target = at(gp4Path, entry.target);
        const Stage stage = stages[k].stage;
        if ((stage == Stage::MovedAside || stage == Stage::InPlace) && !entry.aside.empty())
            FileOps::renameReplacing(at(gp4Path, entry.aside), target, target);
        else if (stage == Stage::InPlace)
            settled.keptNew.push_back(target); // no earlier file to put back, and this one may be all the user has
    }
    // Only once every original is back may the new files go: until then they finish the job.
    for (std::size_t k = 0; k < entries.size(); ++k)
        if (stages[k].stage == Stage::NotBegun || stages[k].stage == Stage::MovedAside)
            FileOps::removeQuietly(at(gp4Path, entries[k].staged)); // else the next opening tidies it
    flushFolders(foldersOf(gp4Path, entries));
    removeJournal(gp4Path);
    return settled;
}

Message keepOriginal(const std::string &gp4Path, const std::string &aside, const std::string &target)
{
    const std::string from = at(gp4Path, aside);
    const std::string kept = GamePaths::original(gp4Path, target);
    if (GamePaths::isModRecord(target)) {
        // An earlier version of Tessary's own record of installed mods, not a game file: it goes.
        FileOps::removeQuietly(from); // else the next opening of the folder tidies it
        return {};
    }
    const auto leftAside = [&](Message why) {
        return Message::joined(Message(CORE_WORDING("CoreMessages", "The game's original of %1 could not be kept in tessary-originals (%2)")).name(target).nested(std::move(why)),
                               Message(CORE_WORDING("CoreMessages", "it stays beside it as %1, and Tessary tries again the next time it opens this game folder.")).name(from));
    };
    PF::Info info;
    const int error = PF::linkInfoOf(kept, info);
    if (error == 0 && info.regular && !info.link) {
        // The game's original is kept already; this one is a later version, replaced in its turn.
        try {
            FileOps::removeFile(from, from);
        } catch (const GameFileError &) {
            // Left where it is; the next opening of the folder tidies it.
        }
        return {};
    }
    if (error == 0)
        return leftAside(Message(CORE_WORDING("CoreMessages", "%1 %2")).name(kept).nested(info.link ? FailureText::IsLink : CORE_WORDING("CoreMessages", "is not a plain file")));
    try {
        FileOps::makeFolder(GamePaths::originals(gp4Path));
        const std::string folder = GamePaths::folderOf(target);
        if (!folder.empty())
            FileOps::makeFolder(GamePaths::original(gp4Path, folder));
        FileOps::moveNoReplace(from, kept, kept);
    } catch (const GameFileError &failure) {
        return leftAside(failure.message());
    }
    return {};
}

} // namespace StagedCommit
