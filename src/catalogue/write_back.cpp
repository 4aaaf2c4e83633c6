#include "write_back.h"

#include <algorithm>
#include <map>

#include "catalogue.h"
#include "file_ops.h"
#include "folder_lock.h"
#include "folder_recovery.h"
#include "font_file.h"
#include "game_paths.h"
#include "index_file.h"
#include "staged_commit.h"

namespace {

constexpr const char *NothingWritten = CORE_WORDING("CoreMessages", "nothing was written");

// One game file of the catalogue.
struct GameFile {
    enum class Kind { Image, Index, Font };
    Kind kind;
    int number; // image or font number; 0 for the index
    std::string relative;
};

// Every game file, in the order of writing: the images, the index, the fonts.
std::vector<GameFile> gameFiles(const Catalogue &c)
{
    std::vector<GameFile> files;
    for (int n = 1; n < c.ImageCount; ++n)
        files.push_back({GameFile::Kind::Image, n, GamePaths::relativeImage(n)});
    files.push_back({GameFile::Kind::Index, 0, GamePaths::relativeIndex()});
    for (int i = 0; i < FontCount; ++i)
        files.push_back({GameFile::Kind::Font, i, GamePaths::relativeFont(i)});
    return files;
}

bool holdsChange(const Catalogue &c, const GameFile &file, WriteBackOptions::Scope scope)
{
    if (scope == WriteBackOptions::Scope::Everything)
        return true;
    switch (file.kind) {
    case GameFile::Kind::Image: return c.imageChanged(file.number);
    case GameFile::Kind::Index: return c.indexChanged();
    case GameFile::Kind::Font: return c.fontChanged(file.number);
    }
    return false;
}

// What each game file must still look like for the write-back to go on: as it was loaded or
// last written, or as the write-back itself left it.
using Expected = std::map<std::string, FileOps::FileStamp>;

bool changedSince(const Catalogue &c, const GameFile &file, const Expected &expected)
{
    return FileOps::stampOf(GamePaths::underData(c.GP4Path, file.relative)) != expected.at(file.relative);
}

std::vector<std::uint8_t> encoded(const Catalogue &c, const GameFile &file)
{
    if (file.kind == GameFile::Kind::Index)
        return IndexFile::encode(c);
    return FontFile::encode(c.FontDetails[std::size_t(file.number)], c.FontBitmaps[std::size_t(file.number)]);
}

// Writes one game file's new bytes beside it, with the original's permissions, and starts it on
// its way to the disk.
StagedCommit::StagedFile stage(const Catalogue &c, const GameFile &file, std::vector<std::string> &scratch)
{
    const std::string target = GamePaths::underData(c.GP4Path, file.relative);
    FileOps::OutputFile out = FileOps::OutputFile::beside(target, "new");
    scratch.push_back(out.path());
    out.copyPermissionsFrom(target);
    std::uint64_t size = 0;
    if (file.kind == GameFile::Kind::Image) {
        size = std::uint64_t(std::max(c.ImageSizes[std::size_t(file.number)], 0));
        if (size > 0)
            out.write(c.ImagePixels[std::size_t(file.number)].data(), std::size_t(size));
    } else {
        const std::vector<std::uint8_t> bytes = encoded(c, file);
        out.write(bytes.data(), bytes.size());
        size = bytes.size();
    }
    out.close(FileOps::OutputFile::Durability::Started);
    return {file.relative, file.relative + out.path().substr(target.size()), size};
}

// A file of the record of installed mods, staged as a game file is.
StagedCommit::StagedFile stageRecord(const Catalogue &c, const ModRecordFile &record, std::vector<std::string> &scratch)
{
    const std::string target = GamePaths::underData(c.GP4Path, record.relative);
    FileOps::OutputFile out = FileOps::OutputFile::beside(target, "new");
    scratch.push_back(out.path());
    out.write(record.bytes.data(), record.bytes.size());
    out.close(FileOps::OutputFile::Durability::Started);
    return {record.relative, record.relative + out.path().substr(target.size()), record.bytes.size()};
}

// The record is written only over what its caller read: another program's record is never lost.
void checkRecords(const Catalogue &c, const std::vector<ModRecordFile> &records)
{
    for (const ModRecordFile &record : records) {
        const std::string target = GamePaths::underData(c.GP4Path, record.relative);
        if (!GamePaths::isModRecord(record.relative))
            throw GameFileError(target, CORE_WORDING("CoreMessages", "is not a file of the record of installed mods"));
        if (FileOps::stampOf(target) != record.expected)
            throw GameFileError(target, CORE_WORDING("CoreMessages", "another program changed the record of installed mods since Tessary read it"));
    }
}

// A game file that can't be replaced is reported before any file is written.
void checkReplaceable(const std::string &target, GameFile::Kind kind)
{
    if (FileOps::isLink(target))
        throw GameFileError(target, Message::joined(FailureText::IsLink, CORE_WORDING("CoreMessages", "Tessary replaces only plain game files")));
    if (FileOps::isFolder(target))
        throw GameFileError(target, FailureText::IsFolder);
    if (kind != GameFile::Kind::Index && FileOps::isReadOnly(target))
        throw GameFileError(target, FailureText::AccessDenied);
}

void checkComplete(const Catalogue &c, WriteBackOptions::Scope scope)
{
    const auto slots = std::size_t(std::max(c.ImageCount, 0));
    bool complete = c.ImageDetails.size() == slots && c.ImageBlocks.size() == slots && c.ImagePixels.size() == slots
        && c.ImageSizes.size() == slots && c.FontBitmaps.size() == FontCount;
    for (std::size_t n = 1; n < slots && complete && scope == WriteBackOptions::Scope::Everything; ++n)
        complete = c.imageLoaded(int(n));
    if (!complete)
        throw GameFileError(c.GP4Path, Message::joined(CORE_WORDING("CoreMessages", "the game folder is not loaded completely"), NothingWritten));
    for (std::size_t n = 1; n < slots; ++n) {
        if (c.ImageSizes[n] < 0 || pixelElementsFor(std::size_t(c.ImageSizes[n])) > c.ImagePixels[n].size())
            throw GameFileError(GamePaths::image(c.GP4Path, int(n)), Message::joined(CORE_WORDING("CoreMessages", "holds fewer pixels than its byte count"), NothingWritten));
    }
}

// Written over at the user's word although another program changed it since loading, the index
// keeps that program's entries, and only the entries this catalogue changed are replaced: an
// entry the user did not change is never put back to what it was. An image whose entry is
// taken so is read again, unless the catalogue holds a change of it.
void takeIndexOnDisk(Catalogue &c)
{
    const std::string index = GamePaths::index(c.GP4Path);
    const std::vector<std::uint8_t> bytes = FileOps::readWhole(index);
    Catalogue onDisk;
    IndexFile::parse(index, bytes.data(), bytes.size(), onDisk);
    if (onDisk.ImageCount != c.ImageCount)
        throw GameFileError(index, Message::joined(Message(CORE_WORDING("CoreMessages", "another program changed the index to %1 images since Tessary loaded it (%2)"))
                                                       .number(std::max(onDisk.ImageCount - 1, 0))
                                                       .number(c.ImageCount - 1),
                                                   CORE_WORDING("CoreMessages", "load the game folder again")));
    for (int n : c.takeEntriesFrom(onDisk))
        if (c.imageLoaded(n) && !c.imageChanged(n))
            c.ImportGPI(n);
}

GameFileError nothingChanged(const GameFileError &error)
{
    return GameFileError(error.path(), Message::joined(error.why(), FailureText::NothingChanged));
}

FileOps::FileStamp stampNow(const Catalogue &c, const GameFile &file)
{
    return FileOps::stampOf(GamePaths::underData(c.GP4Path, file.relative));
}

} // namespace

ChangedOnDisk::ChangedOnDisk(std::string folder, std::vector<std::string> files)
    : GameFileError(std::move(folder),
                    Message::joined(Message(files.size() == 1 ? CORE_WORDING("CoreMessages", "another program changed this file since Tessary loaded them: %1")
                                                              : CORE_WORDING("CoreMessages", "another program changed these files since Tessary loaded them: %1"))
                                        .nested(Message::list(files, 10)),
                                    FailureText::NothingChanged)),
      m_files(std::move(files))
{
}

std::vector<std::string> changedOnDisk(const Catalogue &c, WriteBackOptions::Scope scope)
{
    std::vector<std::string> changed;
    for (const GameFile &file : gameFiles(c))
        if (holdsChange(c, file, scope) && FileOps::stampOf(GamePaths::underData(c.GP4Path, file.relative)) != c.loadedStamp(file.relative))
            changed.push_back(GamePaths::underData(c.GP4Path, file.relative));
    return changed;
}

WriteBackReport applyAllChanges(Catalogue &c, const WriteBackOptions &options)
{
    checkComplete(c, options.scope);
    WriteBackReport report;
    FolderLock lock(c.GP4Path, FolderLock::Mode::Write);
    report.settled = FolderRecovery::settle(c.GP4Path);

    const std::vector<GameFile> files = gameFiles(c);
    Expected expected;
    std::vector<GameFile> toWrite;
    for (const GameFile &file : files) {
        // Of an image never read (a command that changes a few pictures reads only those), only
        // a change while the new files are written can be seen.
        const bool neverRead = file.kind == GameFile::Kind::Image && !c.imageLoaded(file.number);
        expected[file.relative] = neverRead ? FileOps::stampOf(GamePaths::underData(c.GP4Path, file.relative)) : c.loadedStamp(file.relative);
        if (holdsChange(c, file, options.scope))
            toWrite.push_back(file);
    }
    // Checked before the new files are written, and again just before they are moved into place:
    // writing them takes a while, and another program may change a file meanwhile.
    const auto checkChanges = [&] {
        std::vector<std::string> conflicts;
        for (const GameFile &file : files) {
            const std::string path = GamePaths::underData(c.GP4Path, file.relative);
            if (!changedSince(c, file, expected))
                continue;
            if (holdsChange(c, file, options.scope))
                conflicts.push_back(path);
            else if (std::find(report.leftAlone.begin(), report.leftAlone.end(), path) == report.leftAlone.end())
                report.leftAlone.push_back(path);
        }
        if (!conflicts.empty() && !options.overwriteChangedOnDisk)
            throw ChangedOnDisk(c.GP4Path, conflicts);
    };
    checkChanges();
    const int total = int(toWrite.size() + options.records.size());

    std::vector<std::string> scratch;
    std::vector<StagedCommit::StagedFile> staged;
    try {
        checkRecords(c, options.records);
        for (const GameFile &file : toWrite)
            if (file.kind == GameFile::Kind::Index && options.overwriteChangedOnDisk && changedSince(c, file, expected))
                takeIndexOnDisk(c);
        std::vector<std::string> targets;
        for (const GameFile &file : toWrite) {
            checkReplaceable(GamePaths::underData(c.GP4Path, file.relative), file.kind);
            targets.push_back(file.relative);
        }
        StagedCommit::checkKeeping(c.GP4Path, targets);
        for (const GameFile &file : toWrite) {
            if (file.kind != GameFile::Kind::Index)
                continue;
            // The index is rewritten whatever its attributes; clearing them is the write-back's own change.
            const std::string index = GamePaths::underData(c.GP4Path, file.relative);
            const bool asExpected = !changedSince(c, file, expected);
            FileOps::clearAttributes(index);
            if (asExpected)
                expected[file.relative] = FileOps::stampOf(index);
        }
        for (const GameFile &file : toWrite) {
            if (options.progress)
                options.progress(int(staged.size()), total);
            staged.push_back(stage(c, file, scratch));
        }
        if (!options.records.empty())
            FileOps::makeFolder(GamePaths::underData(c.GP4Path, GamePaths::folderOf(options.records.front().relative)));
        for (const ModRecordFile &record : options.records) {
            if (options.progress)
                options.progress(int(staged.size()), total);
            staged.push_back(stageRecord(c, record, scratch));
        }
        // The disk has been writing all along; a file is trusted only once it is there.
        for (std::size_t k = 0; k < staged.size(); ++k)
            FileOps::flushToDisk(scratch[k], GamePaths::underData(c.GP4Path, staged[k].target));
        checkChanges();
        checkRecords(c, options.records);
    } catch (const ChangedOnDisk &) {
        for (const std::string &file : scratch)
            FileOps::removeQuietly(file);
        throw;
    } catch (const GameFileError &error) {
        for (const std::string &file : scratch)
            FileOps::removeQuietly(file);
        throw nothingChanged(error);
    } catch (const std::exception &) {
        for (const std::string &file : scratch)
            FileOps::removeQuietly(file);
        throw;
    }

    report.originalsLeftAside = StagedCommit::commit(c.GP4Path, staged).leftAside;
    for (const GameFile &file : toWrite) {
        report.written.push_back(GamePaths::underData(c.GP4Path, file.relative));
        switch (file.kind) {
        case GameFile::Kind::Image: c.markImageWritten(file.number, stampNow(c, file)); break;
        case GameFile::Kind::Index: c.markIndexWritten(stampNow(c, file)); break;
        case GameFile::Kind::Font: c.markFontWritten(file.number, stampNow(c, file)); break;
        }
    }
    for (const ModRecordFile &record : options.records)
        report.written.push_back(GamePaths::underData(c.GP4Path, record.relative));
    if (options.progress)
        options.progress(total, total);
    return report;
}

std::string shortList(const std::vector<std::string> &names, std::size_t limit)
{
    return Message::list(names, limit).english();
}
