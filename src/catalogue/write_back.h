#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "file_ops.h"
#include "game_file_error.h"

class Catalogue;

// A file of Tessary's record of installed mods (GamePaths::isModRecord), written in the same
// commit as the game files, so that the record and the game files never disagree.
struct ModRecordFile {
    std::string relative; // "tessary-mods/installed.json"
    std::vector<std::uint8_t> bytes;
    // The file as the caller read it (exists false when there was none): a file that changed
    // since refuses the write-back, whatever overwriteChangedOnDisk says.
    FileOps::FileStamp expected;
};

// How "Apply All Changes" runs.
struct WriteBackOptions {
    enum class Scope {
        Changed,    // the images and fonts replaced since loading, and the index when an entry changed
        Everything, // every image, the index and the six fonts
    };
    Scope scope = Scope::Changed;
    // Overwrite a game file that another program changed since it was loaded (after asking).
    bool overwriteChangedOnDisk = false;
    // Called before each file is written: files written so far, files to write.
    std::function<void(int done, int total)> progress;
    // Files of the record of installed mods to write with the game files.
    std::vector<ModRecordFile> records;
};

// What a write-back did.
struct WriteBackReport {
    std::vector<std::string> written;   // game files replaced, then the record's files
    std::vector<std::string> leftAlone; // changed by another program since loading, with no change of ours: untouched
    Message settled;                    // what settling an earlier, interrupted write-back did (empty for nothing)
    // One sentence for each game's original that could not be kept in tessary-originals; it
    // stays beside its game file instead.
    std::vector<Message> originalsLeftAside;
};

// A write-back refused because game files it would replace were changed by another program
// since they were loaded. Nothing was changed.
class ChangedOnDisk : public GameFileError {
public:
    ChangedOnDisk(std::string folder, std::vector<std::string> files);
    const std::vector<std::string> &files() const { return m_files; }

private:
    std::vector<std::string> m_files;
};

// The game files that would be written and that another program changed since loading.
std::vector<std::string> changedOnDisk(const Catalogue &catalogue, WriteBackOptions::Scope scope = WriteBackOptions::Scope::Changed);

// Writes the catalogue back into its game folder ("Apply All Changes"). Only one program
// writes a folder at a time. Each file is written whole beside its original and flushed; then
// a journal records the moves and every file is moved into place, so that the folder holds all
// of the new files or none, even after a crash. Files another program changed, before or while
// the new files were written, are never overwritten unless options say so (ChangedOnDisk is
// thrown). A game file that is a link, or an original that can't be kept in tessary-originals,
// is refused before anything changes. Afterwards the catalogue records the written files as
// unchanged. Throws GameFileError, whose text says what became of the folder.
WriteBackReport applyAllChanges(Catalogue &catalogue, const WriteBackOptions &options = {});

// A list of names for a message: at most limit of them, then "… and N more".
std::string shortList(const std::vector<std::string> &names, std::size_t limit = 10);
