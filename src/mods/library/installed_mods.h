#pragma once

#include <ctime>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "archive_entry_list.h"
#include "catalogue.h"
#include "file_ops.h"
#include "installed_mod.h"
#include "mod_contents.h"
#include "mod_package_writer.h"
#include "picture_layers.h"
#include "write_back.h"

class GameOriginals;

// A mod's picture that something else shows over: a later mod, or an edit.
struct CoveredPicture {
    PictureKey key;
    int byMod = -1;     // the later mod's place in the library when it was found; -1 for an edit of the user's own
    std::string byName; // that mod's name ("" for an edit), which stays right when the record changes
};

// What uninstalling a mod did to the catalogue.
struct UninstallResult {
    std::vector<PictureKey> restored;      // changed to what lies below: an earlier mod's picture, the user's own, or the game's original
    std::vector<CoveredPicture> leftAlone; // covered by a later mod or edit, so left as they are
};

// The library of mods installed in one game folder: every mod kept with its own pictures, on or
// off, in an order. What the game folder shows of a picture a mod sets is what composing the
// enabled mods in their order over the game's originals gives (PictureLayers), where the user has
// not changed it since; an edit of the user's own stays where it shows, and one a mod covers on
// installing is kept below that mod. Each operation changes the catalogue (as unapplied changes)
// and the library together; "Apply All Changes" writes both in one commit (pendingFiles), after
// which committed() tidies what the library no longer names.
class InstalledMods {
public:
    InstalledMods() = default;
    // The library of a game folder, empty when there is none; a record of the first format is read
    // into the present one, written with the next change. Throws GameFileError for a damaged one.
    static InstalledMods load(const std::string &gp4Path);

    const std::vector<InstalledMod> &mods() const { return m_mods; }
    // The place of the mod named name, or -1.
    int find(const std::string &name) const;
    // The place of the last enabled mod that sets a picture, or -1.
    int topOf(PictureKey key) const;
    // The place of the mod whose picture the catalogue shows, or -1 (the game's original, a
    // picture of the user's own, or an edit shows).
    int showing(const Catalogue &catalogue, PictureKey key) const;
    // Which of mod's pictures something else shows over: a later mod whose picture shows, else an
    // edit (also one made over the later mod's picture, or the user's own kept below a later mod
    // that is off). Empty for a mod that is off.
    std::vector<CoveredPicture> covered(std::size_t mod, const Catalogue &catalogue) const;
    // The pictures that show an installed mod's picture (the top mod's, where no edit covers it),
    // with the mod's name and author, in picture order: what a package leaves out as not the user's.
    std::vector<PackModPicture> shownPictures(const Catalogue &catalogue) const;
    // covered() of every mod, in library order.
    std::vector<std::vector<CoveredPicture>> coveredEach(const Catalogue &catalogue) const;
    // True when the catalogue holds the game's original of the picture.
    bool holdsOriginal(const Catalogue &catalogue, PictureKey key, const GameOriginals &originals) const;
    // What composing the library gives a picture a mod sets (the game's original where none does).
    PictureValue composed(const Catalogue &catalogue, PictureKey key) const;

    // Puts the mod on top of the library, enabled, and its pictures into the catalogue, keeping
    // below it the user's own pictures it covers. Returns the pictures that changed. Throws
    // GameFileError, changing nothing, when a mod of that name is installed already.
    std::vector<PictureKey> install(Catalogue &catalogue, ModContents contents, std::time_t now);
    // Takes mod out of the library; each of its pictures shows what composing the others gives,
    // and the user's own kept below it goes below the next mod above that sets it (or shows).
    // Throws GameFileError, changing nothing, when a picture of the library can't be read.
    UninstallResult uninstall(Catalogue &catalogue, std::size_t mod);
    // Puts contents, a newer version of mod (of the same name), in its place, on or off as it was;
    // the user's own pictures kept below the old one stay below the new one where it sets them too.
    // Returns the pictures that changed. Throws GameFileError, changing nothing.
    std::vector<PictureKey> update(Catalogue &catalogue, std::size_t mod, ModContents contents, std::time_t now);
    // Switches mod on or off; returns the pictures that changed. Throws GameFileError, changing nothing.
    std::vector<PictureKey> setEnabled(Catalogue &catalogue, std::size_t mod, bool enabled);
    // Moves mod to place to (0 the bottom), the others keeping their order, with the user's own
    // pictures kept below it; returns the pictures that changed. Throws GameFileError, changing nothing.
    std::vector<PictureKey> move(Catalogue &catalogue, std::size_t mod, std::size_t to);

    // The profiles, named sets of mods to switch on, in the order they were first saved.
    const std::vector<ModProfile> &profiles() const { return m_profiles; }
    // The place of the profile named name, or -1.
    int findProfile(const std::string &name) const;
    // True when the mods on are the profile's, in its order.
    bool inUse(const ModProfile &profile) const;
    // Keeps the mods on now, in their order, as the profile name (replacing one of that name).
    // Throws GameFileError for an empty or too long name.
    void saveProfile(const std::string &name);
    // Switches the profile's mods on, in its order, and the others off (after them, in the order
    // they were installed); returns the pictures that changed. Throws GameFileError, changing nothing.
    std::vector<PictureKey> useProfile(Catalogue &catalogue, const std::string &name);

    // What an operation changes of the library, for an undo step to put back: the mods, and the
    // bytes of every file they name.
    struct Snapshot {
        std::vector<InstalledMod> mods;
        std::vector<ModProfile> profiles;
        std::map<std::string, std::vector<std::uint8_t>> files;
        std::uint64_t bytes() const;
    };
    // The library as it is now. Throws GameFileError when a file it names can't be read.
    Snapshot snapshot() const;
    // Puts a snapshot back as changes to write; of its files, those the game folder no longer
    // holds as they were are written again with the next "Apply All Changes".
    void restore(const Snapshot &snapshot);

    // True when the library has changes not yet written.
    bool hasPendingChanges() const { return m_pending; }
    // The library's files to write with the next "Apply All Changes"; empty without changes.
    std::vector<ModRecordFile> pendingFiles() const;
    // After the write-back that wrote pendingFiles(): removes the files no mod names any more, and
    // the record itself once no mod is left. Failures leave files for next time.
    void committed();
    // Removes, under the folder's lock, the files no mod names, and the record itself when it lists
    // no mod (as a write-back cut off before committed() leaves it); only when the record on disk
    // is this one. Failures leave files for next time.
    void tidy();

private:
    using Files = std::map<std::string, std::vector<std::uint8_t>>;
    struct Recomposed {
        std::vector<PictureKey> changed;
        std::vector<PictureKey> leftAlone; // an edit of the user's own shows, and stays
    };
    // Makes next the library, with its new files, and gives each of keys what composing next
    // gives it (or floating's picture, the user's own that lies on top now) where the catalogue
    // shows what the library gave (or always, with coverEdits). Every picture of keys in either
    // library is read first, so that one that can't be read changes nothing.
    Recomposed recompose(Catalogue &catalogue, std::vector<InstalledMod> next, Files files, const std::vector<PictureKey> &keys,
                         const std::map<PictureKey, PictureValue> &floating, bool coverEdits);
    // What reading told of a picture the library gives now: whether the catalogue holds the pixels
    // of the layer whose pixels show, and that layer's entry.
    struct PixelsNow {
        bool held = false;
        PictureValue entry;
    };
    // Reads (and so checks) every picture of keys in the library and in next, each file once,
    // holding what composing next (but floating's) and comparing with the library take of them,
    // and gives what reading told of each key's picture now (nothing with coverEdits).
    std::vector<std::optional<PixelsNow>> readLayers(const Catalogue &catalogue, const std::vector<InstalledMod> &next,
                                                     const std::vector<PictureKey> &keys, const std::map<PictureKey, PictureValue> &floating,
                                                     bool coverEdits) const;
    // True when the catalogue shows what the library gives key now, from what reading told of it.
    bool showsNow(const Catalogue &catalogue, PictureKey key, const std::optional<PixelsNow> &read, const GameOriginals &originals) const;
    // A number for a new mod that no mod and no file has.
    int freshId() const;
    // Of gone's own pictures kept below it, but those of kept: each goes below the next mod of next
    // from from on that sets it (its file made anew into files), or shows (floating).
    void handOn(const InstalledMod &gone, const std::set<PictureKey> &kept, std::vector<InstalledMod> &next, std::size_t from, Files &files,
                std::map<PictureKey, PictureValue> &floating) const;
    // Throws GameFileError naming the record when it lists an image this game does not have.
    void requireFits(const Catalogue &catalogue) const;
    // A mod's file, checked against its digest: from those not written yet, else read from the disk into readHere.
    const std::vector<std::uint8_t> &fileBytes(const std::string &file, const std::string &sha256, std::vector<std::uint8_t> &readHere) const;
    // A picture of a mod's file: its own, or the user's below it.
    struct Part {
        const InstalledMod *mod;
        PictureKey key;
        bool ownBelow;
    };
    using ValueName = std::tuple<std::string, PictureKey, bool>; // file SHA-256, key, own below
    static ValueName nameOf(const Part &part) { return {part.mod->fileSha256, part.key, part.ownBelow}; }
    // What of a part read is held for pictureOf and heldPicture.
    enum class Keep { Nothing, Entry, Whole };
    // Reads the parts not held yet, each mod's file once and its entries in the order they lie in
    // it, each checked against its digest, and holds of each what keep says; every part, held
    // before or not, is handed to seen (when given) first.
    void readParts(const std::vector<Part> &parts, const std::function<Keep(const Part &)> &keep,
                   const std::function<void(const Part &, const PictureValue &)> &seen = {}) const;
    // Holds the mod's pictures that pick says yes to, read in one pass over its file.
    void hold(const InstalledMod &mod, const std::function<bool(const RecordedPicture &, bool ownBelow)> &pick) const;
    const PictureValue &heldPicture(const InstalledMod &mod, PictureKey key, bool ownBelow) const;
    PictureValue pictureOf(const InstalledMod &mod, PictureKey key, bool ownBelow) const;
    // pictureOf(), moved out of those held: the last use of it.
    PictureValue takePicture(const InstalledMod &mod, PictureKey key, bool ownBelow) const;
    // The picture composing mods gives, or its digest, over the game's originals. With take, the
    // layer whose pixels show is moved out of those held rather than copied.
    PictureValue composedOf(const std::vector<InstalledMod> &mods, PictureKey key, const GameOriginals &originals, bool take = false) const;
    // known: PictureLayers::of(mods, key) when the caller has it already.
    std::string composedDigestOf(const std::vector<InstalledMod> &mods, PictureKey key, const GameOriginals &originals,
                                 const PictureLayers::Shown *known = nullptr) const;
    // The game's original, checked against what the mods found below them when they were installed.
    const PictureValue &originalOf(PictureKey key, const GameOriginals &originals) const;
    // originalOf(), moved out: the last use of it.
    PictureValue takeOriginal(PictureKey key, const GameOriginals &originals) const;
    // A mod's file made anew with extra pictures of the user's own below it.
    std::vector<std::uint8_t> fileWith(const InstalledMod &mod, const std::map<PictureKey, PictureValue> &extraBelow) const;
    std::vector<std::vector<CoveredPicture>> coveredOf(const std::vector<std::size_t> &mods, const Catalogue &catalogue) const;
    // Every file the library names.
    std::vector<std::string> namedFiles() const;
    std::string recordFolder() const;
    std::string recordPath(const std::string &file) const;

    std::string m_gp4Path;
    std::vector<InstalledMod> m_mods;
    std::vector<ModProfile> m_profiles;
    FileOps::FileStamp m_listStamp; // installed.json as read or last written
    std::string m_listText;         // and its text then
    // Files made since, not written yet, with the file each would replace as seen then.
    std::map<std::string, std::pair<std::vector<std::uint8_t>, FileOps::FileStamp>> m_newFiles;
    // Files of a record of the first format that the record on disk still names until the library replaces it.
    std::vector<std::string> m_olderFiles;
    Files m_staged; // an operation's new files while it composes its pictures
    mutable std::map<ValueName, PictureValue> m_values; // the pictures of mods' files held while an operation composes
    bool m_pending = false;
};
