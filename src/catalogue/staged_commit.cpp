#include "staged_commit.h"

#include <set>

#include "file_ops.h"
#include "game_file_error.h"
#include "game_paths.h"

namespace StagedCommit {

namespace {

// Every folder the entries touch, the data folder (which holds the journal) included.
std::set<std::string> foldersOf(const std::string &gp4Path, const std::vector<JournalEntry> &entries)
{
    std::set<std::string> folders{GamePaths::dataFolder(gp4Path)};
    for (const JournalEntry &entry : entries) {
        const std::string folder = GamePaths::folderOf(entry.target);
        folders.insert(folder.empty() ? GamePaths::dataFolder(gp4Path) : GamePaths::underData(gp4Path, folder));
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

std::string at(const std::string &gp4Path, const std::string &relative)
{
    return GamePaths::underData(gp4Path, relative);
}

void disposeOriginals(const std::string &gp4Path, const std::vector<JournalEntry> &entries)
{
    for (const JournalEntry &entry : entries)
        if (!entry.aside.empty())
            disposeOriginal(gp4Path, entry.aside, entry.target);
}

// The moves of undo, without the tidying: throws at the first move that fails.
void putOriginalsBack(const std::string &gp4Path, const std::vector<JournalEntry> &entries)
{
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
        const std::string target = at(gp4Path, entry->target);
        if (!entry->aside.empty() && FileOps::exists(at(gp4Path, entry->aside)))
            FileOps::renameReplacing(at(gp4Path, entry->aside), target, target);
        else if (entry->aside.empty() && !FileOps::exists(at(gp4Path, entry->staged)) && FileOps::exists(target))
            FileOps::removeFile(target, target); // there was no file before this write-back
    }
}

} // namespace

void commit(const std::string &gp4Path, const std::vector<StagedFile> &files)
{
    if (files.empty())
        return;
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
        throw GameFileError(error.path(), error.reason() + "; " + FailureText::NothingChanged);
    }

    std::size_t moved = 0;
    try {
        for (const JournalEntry &entry : entries) {
            const std::string target = at(gp4Path, entry.target);
            if (!entry.aside.empty())
                FileOps::renameReplacing(target, at(gp4Path, entry.aside), target);
            FileOps::renameReplacing(at(gp4Path, entry.staged), target, target);
            ++moved;
        }
        flushFolders(foldersOf(gp4Path, entries));
    } catch (const GameFileError &error) {
        try {
            undo(gp4Path, entries);
        } catch (const GameFileError &undoError) {
            throw GameFileError(error.path(), error.reason() + "; putting the earlier files back failed too (" + undoError.what()
                                                  + "); Tessary finishes the write-back the next time it opens this game folder");
        }
        throw GameFileError(error.path(), error.reason() + "; "
                                              + (moved > 0 ? "the files already replaced were put back, so nothing was changed"
                                                           : FailureText::NothingChanged));
    }
    // Every file is in place and on the disk; from here on the write-back has happened.
    try {
        removeJournal(gp4Path);
    } catch (const GameFileError &) {
        // A journal left behind only makes the next opening finish what is already finished.
    }
    disposeOriginals(gp4Path, entries);
}

bool canFinish(const std::string &gp4Path, const std::vector<JournalEntry> &entries)
{
    for (const JournalEntry &entry : entries) {
        const FileOps::FileStamp staged = FileOps::stampOf(at(gp4Path, entry.staged));
        const bool whole = staged.exists && staged.size == entry.stagedSize && FileOps::isFile(at(gp4Path, entry.staged));
        // In place, the new file's original waits aside until the journal is gone.
        const bool placed = !staged.exists && FileOps::exists(at(gp4Path, entry.target))
            && (entry.aside.empty() || FileOps::exists(at(gp4Path, entry.aside)));
        if (!whole && !placed)
            return false;
    }
    return true;
}

void finish(const std::string &gp4Path, const std::vector<JournalEntry> &entries)
{
    for (const JournalEntry &entry : entries) {
        const std::string target = at(gp4Path, entry.target), staged = at(gp4Path, entry.staged);
        if (!FileOps::exists(staged))
            continue; // already in place
        if (!entry.aside.empty() && !FileOps::exists(at(gp4Path, entry.aside)) && FileOps::exists(target))
            FileOps::renameReplacing(target, at(gp4Path, entry.aside), target);
        FileOps::renameReplacing(staged, target, target);
    }
    flushFolders(foldersOf(gp4Path, entries));
    removeJournal(gp4Path);
    disposeOriginals(gp4Path, entries);
}

void undo(const std::string &gp4Path, const std::vector<JournalEntry> &entries)
{
    putOriginalsBack(gp4Path, entries);
    // Only once every original is back may the new files go: until then they finish the job.
    for (const JournalEntry &entry : entries)
        FileOps::removeQuietly(at(gp4Path, entry.staged));
    flushFolders(foldersOf(gp4Path, entries));
    removeJournal(gp4Path);
}

void disposeOriginal(const std::string &gp4Path, const std::string &aside, const std::string &target)
{
    const std::string from = at(gp4Path, aside);
    const std::string kept = GamePaths::original(gp4Path, target);
    try {
        // The game's originals are game files; an earlier record of installed mods is not kept.
        if (!GamePaths::isModRecord(target) && !FileOps::exists(kept)) {
            FileOps::makeFolder(GamePaths::originals(gp4Path));
            const std::string folder = GamePaths::folderOf(target);
            if (!folder.empty())
                FileOps::makeFolder(GamePaths::original(gp4Path, folder));
            FileOps::renameReplacing(from, kept, kept);
            return;
        }
    } catch (const GameFileError &) {
        // No place to keep it (the originals folder is not a real folder): it goes like the others.
    }
    try {
        FileOps::clearAttributes(from);
        FileOps::removeFile(from, from);
    } catch (const GameFileError &) {
        // Left where it is; the next opening of the folder tidies it.
    }
}

} // namespace StagedCommit
