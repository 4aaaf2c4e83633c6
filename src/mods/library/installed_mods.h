#pragma once

#include <ctime>
#include <map>
#include <string>
#include <vector>

#include "archive_entry_list.h"
#include "catalogue.h"
#include "file_ops.h"
#include "installed_mod.h"
#include "mod_contents.h"
#include "mod_package_writer.h"
#include "write_back.h"

class GameOriginals;

// A mod's picture that something later changed: a mod installed after it, or an edit.
struct CoveredPicture {
    PictureKey key;
    int byMod = -1;     // the later mod's place in the record when it was found; -1 for an edit of the user's own
    std::string byName; // that mod's name ("" for an edit), which stays right when the record changes
};

// What uninstalling a mod did to the catalogue.
struct UninstallResult {
    std::vector<PictureKey> restored;      // put back to what lies below: an earlier mod's picture, the user's own, or the game's original
    std::vector<CoveredPicture> leftAlone; // covered by a later mod or edit, so left as they are
};

// The record of the mods installed in one game folder, in install order, and its changes not
// yet written. Installing and uninstalling change the catalogue (as unapplied changes) and
// this record together; "Apply All Changes" writes both in one commit (pendingFiles), after
// which committed() tidies what the record no longer names.
class InstalledMods {
public:
    InstalledMods() = default;
    // The record of a game folder, empty when there is none. Throws GameFileError for a damaged one.
    static InstalledMods load(const std::string &gp4Path);

    const std::vector<InstalledMod> &mods() const { return m_mods; }
    // The place of the mod named name, or -1.
    int find(const std::string &name) const;
    // The place of the last mod that set a picture, or -1.
    int topOf(PictureKey key) const;
    // Which of mod's pictures a later mod or an edit covers, in picture order: the later mod
    // whose picture shows, else an edit (also one made over the later mod's picture).
    std::vector<CoveredPicture> covered(std::size_t mod, const Catalogue &catalogue) const;
    // The pictures that show an installed mod's picture (the top mod's, where no edit covers it),
    // with the mod's name and author, in picture order: what a package leaves out as not the user's.
    std::vector<PackModPicture> shownPictures(const Catalogue &catalogue) const;
    // covered() of every mod, in record order, in one pass over the record.
    std::vector<std::vector<CoveredPicture>> coveredEach(const Catalogue &catalogue) const;
    // True when the catalogue holds the game's original of the picture. A mod installed over
    // anything else keeps it in its record file, to give it back on uninstalling.
    bool holdsOriginal(const Catalogue &catalogue, PictureKey key, const GameOriginals &originals) const;

    // Puts the mod's pictures into the catalogue and the mod on top of the record, keeping what
    // lay below them where that is not the game's original. Returns the pictures that changed.
    // Throws GameFileError, changing nothing, when a mod of that name is installed already.
    std::vector<PictureKey> install(Catalogue &catalogue, ModContents contents, std::time_t now);
    // Takes mod off the record; each of its pictures that nothing covers goes back to what lay
    // below it (an earlier mod's picture, one of the user's own, or the game's original); of
    // those a later mod covers, the later mod now lies on what lay below. Throws GameFileError,
    // changing nothing, when a picture below can't be read.
    UninstallResult uninstall(Catalogue &catalogue, std::size_t mod);

    // What installing or uninstalling changes of the record, for an undo step to put back: the
    // mods, and the bytes of every record file they name.
    struct Snapshot {
        std::vector<InstalledMod> mods;
        std::map<std::string, std::vector<std::uint8_t>> files;
        std::uint64_t bytes() const;
    };
    // The record as it is now. Throws GameFileError when a file it names can't be read.
    Snapshot snapshot() const;
    // Puts a snapshot back as changes to write; of its files, those the game folder no longer
    // holds as they were are written again with the next "Apply All Changes".
    void restore(const Snapshot &snapshot);

    // True when the record has changes not yet written.
    bool hasPendingChanges() const { return m_pending; }
    // The record's files to write with the next "Apply All Changes"; empty without changes.
    std::vector<ModRecordFile> pendingFiles() const;
    // After the write-back that wrote pendingFiles(): removes the record files no mod names any
    // more, and the record itself once no mod is left. Failures leave files for next time.
    void committed();
    // Removes, under the folder's lock, the record files no mod names, and the record itself when
    // it lists no mod (as a write-back cut off before committed() leaves it); only when the
    // record on disk is this one. Failures leave files for next time.
    void tidy();

private:
    std::vector<std::vector<CoveredPicture>> coveredOf(const std::vector<std::size_t> &mods, const Catalogue &catalogue) const;
    // Throws GameFileError naming the record when it lists an image this game does not have.
    void requireFits(const Catalogue &catalogue) const;
    // A record file's bytes, from those not written yet or from the disk.
    std::vector<std::uint8_t> recordBytes(const std::string &file) const;
    // Record files read and checked, by name and SHA-256: one uninstall reads each once.
    using CheckedFiles = std::map<std::pair<std::string, std::string>, std::vector<ArchiveEntry>>;
    // What lay below a mod's picture, from its record file (checked against its digest).
    PictureValue belowOf(const RecordedPicture &picture, CheckedFiles &checked) const;
    // A later mod's picture that takes its entry from below, with the entry of what now lies below it.
    struct Rebased {
        std::size_t mod;  // the later mod
        std::size_t next; // the mod right above it that keeps its picture below its own; mods().size() when it shows
        PictureValue value;
    };
    // The pictures of the mods above mod that take their entries from below, as they are once
    // what lies below mod's picture lies below them.
    std::vector<Rebased> rebasedAbove(const Catalogue &catalogue, std::size_t mod, const RecordedPicture &picture, CheckedFiles &checked) const;
    // Makes record file file anew with value in place of the picture of its key.
    void rewriteBelow(const std::string &file, const PictureValue &value, CheckedFiles &checked);
    // Every record file the record names.
    std::vector<std::string> namedFiles() const;
    std::string recordFolder() const;

    std::string m_gp4Path;
    std::vector<InstalledMod> m_mods;
    FileOps::FileStamp m_listStamp; // installed.json as read or last written
    // Record files made since, not written yet, with the file each would replace as seen then.
    std::map<std::string, std::pair<std::vector<std::uint8_t>, FileOps::FileStamp>> m_newFiles;
    bool m_pending = false;
};
