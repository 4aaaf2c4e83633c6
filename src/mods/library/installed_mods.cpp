#include "installed_mods.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <set>

#include "archive_reader.h"
#include "folder_lock.h"
#include "game_file_error.h"
#include "game_originals.h"
#include "game_paths.h"
#include "mod_manifest.h"
#include "mod_record.h"
#include "older_record.h"
#include "picture_layers.h"
#include "platform_files.h"
#include "sha256.h"
#include "untrusted_file.h"

namespace {

constexpr std::uint64_t MaxListBytes = 16u << 20;
constexpr std::size_t LongestName = 200; // as the record reads names back

std::string relative(const std::string &file)
{
    return std::string(ModRecord::Folder) + "/" + file;
}

std::string sourceName(const std::string &path)
{
    std::string name = path;
    while (!name.empty() && (name.back() == '/' || name.back() == '\\'))
        name.pop_back();
    const std::size_t slash = name.find_last_of("/\\");
    return slash == std::string::npos ? name : name.substr(slash + 1);
}

// A new entry of the library for contents, numbered id, installed at now; its pictures follow.
InstalledMod describing(const ModContents &contents, int id, std::time_t now)
{
    InstalledMod mod;
    mod.id = id;
    mod.name = contents.name;
    mod.author = contents.author;
    mod.description = contents.description;
    mod.created = contents.created;
    mod.installed = ModManifest::utcText(now);
    mod.source = sourceName(contents.source);
    return mod;
}

int idOf(const std::string &file)
{
    return std::stoi(file.substr(0, file.size() - 4));
}

// A picture's index entry alone, as a layer that gives no more than that.
PictureValue entryOf(const PictureValue &picture)
{
    PictureValue entry;
    entry.key = picture.key;
    entry.entry = picture.entry;
    entry.blocks = picture.blocks;
    return entry;
}

std::vector<PictureKey> keysOf(const InstalledMod &mod)
{
    std::vector<PictureKey> keys;
    for (const RecordedPicture &picture : mod.pictures)
        keys.push_back(picture.key);
    return keys;
}

} // namespace

InstalledMods InstalledMods::load(const std::string &gp4Path)
{
    InstalledMods library;
    library.m_gp4Path = gp4Path;
    const std::string folder = library.recordFolder();
    PlatformFiles::Info info;
    if (PlatformFiles::linkInfoOf(folder, info) != 0)
        return library;
    if (info.link || !info.folder)
        throw GameFileError(folder, Message::joined(CORE_WORDING("CoreMessages", "is not a folder of Tessary's own (a link or a file has its name)"),
                                                    CORE_WORDING("CoreMessages", "Tessary leaves it as it is")));
    const std::string list = library.recordPath(ModRecord::ListFile);
    library.m_listStamp = FileOps::stampOf(list);
    if (!FileOps::exists(list))
        return library;
    const std::vector<std::uint8_t> bytes = UntrustedFile::read(list, MaxListBytes);
    library.m_listText.assign(bytes.begin(), bytes.end());
    int version = 0;
    library.m_mods = ModRecord::parseList(list, library.m_listText, &version, &library.m_profiles);
    if (version == ModRecord::FirstVersion) {
        // The files the old record names stay until the library that replaces it is written.
        std::set<std::string> older;
        for (const InstalledMod &mod : library.m_mods)
            for (const RecordedPicture &picture : mod.pictures)
                if (!picture.belowFile.empty())
                    older.insert(picture.belowFile);
        library.m_olderFiles.assign(older.begin(), older.end());
        OlderRecord::Migrated migrated = OlderRecord::migrate(gp4Path, std::move(library.m_mods));
        library.m_mods = std::move(migrated.mods);
        for (auto &[file, content] : migrated.files)
            library.m_newFiles[file] = {std::move(content), FileOps::stampOf(library.recordPath(file))};
    }
    return library;
}

std::string InstalledMods::recordFolder() const
{
    return GamePaths::underData(m_gp4Path, ModRecord::Folder);
}

std::string InstalledMods::recordPath(const std::string &file) const
{
    return GamePaths::underData(m_gp4Path, relative(file));
}

int InstalledMods::find(const std::string &name) const
{
    for (std::size_t k = 0; k < m_mods.size(); ++k)
        if (m_mods[k].name == name)
            return int(k);
    return -1;
}

int InstalledMods::topOf(PictureKey key) const
{
    for (std::size_t k = m_mods.size(); k-- > 0;)
        if (m_mods[k].enabled && m_mods[k].sets(key))
            return int(k);
    return -1;
}

void InstalledMods::requireFits(const Catalogue &c) const
{
    for (const InstalledMod &mod : m_mods)
        for (const RecordedPicture &picture : mod.pictures)
            if (!picture.key.font && !c.isImage(picture.key.number))
                throw GameFileError(recordPath(ModRecord::ListFile),
                                    Message::joined(Message(CORE_WORDING("CoreMessages", "the record of installed mods is damaged (%1)"))
                                                        .nested(Message(CORE_WORDING("CoreMessages", "the mod \"%1\" lists image %2, but this game has images 1 to %3"))
                                                                    .name(mod.name)
                                                                    .number(picture.key.number)
                                                                    .number(c.ImageCount - 1)),
                                                    CORE_WORDING("CoreMessages", "Tessary leaves it as it is. Move the folder tessary-mods away to install mods again")));
}

const std::vector<std::uint8_t> &InstalledMods::fileBytes(const std::string &file, const std::string &sha256,
                                                          std::vector<std::uint8_t> &readHere) const
{
    auto matches = [&sha256](const std::vector<std::uint8_t> &bytes) { return Sha256::hex(bytes.data(), bytes.size()) == sha256; };
    const auto staged = m_staged.find(file);
    if (staged != m_staged.end() && matches(staged->second))
        return staged->second;
    const auto unwritten = m_newFiles.find(file);
    if (unwritten != m_newFiles.end() && matches(unwritten->second.first))
        return unwritten->second.first;
    const std::string path = recordPath(file);
    readHere = UntrustedFile::read(path, ArchiveLimits{}.archiveBytes);
    if (!matches(readHere))
        throw GameFileError(path, Message::joined(Message(CORE_WORDING("CoreMessages", "the record of installed mods is damaged (%1)"))
                                                          .nested(CORE_WORDING("CoreMessages", "it is not the file Tessary wrote")),
                                                      CORE_WORDING("CoreMessages", "Tessary leaves it as it is")));
    return readHere;
}

void InstalledMods::readParts(const std::vector<Part> &parts, const std::function<Keep(const Part &)> &keep,
                              const std::function<void(const Part &, const PictureValue &)> &seen) const
{
    // By file: the parts to read from it, each once.
    std::map<std::pair<std::string, std::string>, std::vector<Part>> byFile;
    std::set<ValueName> asked;
    for (const Part &part : parts) {
        const ValueName name = nameOf(part);
        if (!asked.insert(name).second)
            continue;
        if (const auto held = m_values.find(name); held != m_values.end()) {
            if (seen)
                seen(part, held->second);
            continue;
        }
        byFile[{part.mod->file(), part.mod->fileSha256}].push_back(part);
    }
    for (const auto &byOneFile : byFile) {
        // Named, not bound: the reading's callback refers to them.
        const std::pair<std::string, std::string> &file = byOneFile.first;
        const std::vector<Part> &wanted = byOneFile.second;
        std::vector<ModRecord::PictureRead> reads;
        for (const Part &part : wanted) {
            const RecordedPicture &picture = *part.mod->find(part.key);
            reads.push_back({part.key, part.ownBelow ? ModRecord::Part::OwnBelow : ModRecord::Part::Own,
                             part.ownBelow ? picture.ownBelowDigest : picture.digest});
        }
        std::vector<std::uint8_t> read;
        ModRecord::readPictures(recordPath(file.first), fileBytes(file.first, file.second, read), reads, [&](std::size_t k, PictureValue &value) {
            if (seen)
                seen(wanted[k], value);
            switch (keep(wanted[k])) {
            case Keep::Nothing: break;
            case Keep::Entry: m_values.emplace(nameOf(wanted[k]), entryOf(value)); break;
            case Keep::Whole: m_values.emplace(nameOf(wanted[k]), std::move(value)); break;
            }
        });
    }
}

void InstalledMods::hold(const InstalledMod &mod, const std::function<bool(const RecordedPicture &, bool ownBelow)> &pick) const
{
    std::vector<Part> parts;
    for (const RecordedPicture &picture : mod.pictures)
        for (const bool ownBelow : {false, true})
            if ((!ownBelow || !picture.ownBelowDigest.empty()) && pick(picture, ownBelow))
                parts.push_back({&mod, picture.key, ownBelow});
    readParts(parts, [](const Part &) { return Keep::Whole; });
}

const PictureValue &InstalledMods::heldPicture(const InstalledMod &mod, PictureKey key, bool ownBelow) const
{
    // Read and checked once an operation: composing reads the same layers again.
    const Part part{&mod, key, ownBelow};
    auto found = m_values.find(nameOf(part));
    if (found == m_values.end()) {
        readParts({part}, [](const Part &) { return Keep::Whole; });
        found = m_values.find(nameOf(part));
    }
    return found->second;
}

PictureValue InstalledMods::pictureOf(const InstalledMod &mod, PictureKey key, bool ownBelow) const
{
    return heldPicture(mod, key, ownBelow);
}

PictureValue InstalledMods::takePicture(const InstalledMod &mod, PictureKey key, bool ownBelow) const
{
    const auto found = m_values.find(nameOf({&mod, key, ownBelow}));
    if (found == m_values.end())
        return pictureOf(mod, key, ownBelow);
    PictureValue value = std::move(found->second);
    m_values.erase(found);
    return value;
}

const PictureValue &InstalledMods::originalOf(PictureKey key, const GameOriginals &originals) const
{
    PictureValue &value = originals.held(key);
    std::string digest; // taken once, and only where a mod recorded the original
    for (const InstalledMod &mod : m_mods) {
        const RecordedPicture *picture = mod.find(key);
        if (!picture || picture->originalDigest.empty())
            continue;
        if (digest.empty()) {
            if (value.knownPixelDigest.empty())
                value.knownPixelDigest = value.pixelDigest();
            digest = value.digest();
        }
        // The original lay below when the mod was installed; one that is no longer there (its kept
        // file deleted, so that the game folder's, a mod's own, is read) is not given back.
        if (digest != picture->originalDigest)
            throw GameFileError(GamePaths::original(m_gp4Path, key.font ? GamePaths::relativeFont(key.number) : GamePaths::relativeImage(key.number)),
                                Message::joined(Message(CORE_WORDING("CoreMessages", "the game's original of %1 that lay below the mod \"%2\" is not kept any more (tessary-originals was changed)"))
                                                    .name(key.caption())
                                                    .name(mod.name),
                                                CORE_WORDING("CoreMessages", "Tessary can't give it back, so nothing was changed")));
    }
    return value;
}

PictureValue InstalledMods::takeOriginal(PictureKey key, const GameOriginals &originals) const
{
    originalOf(key, originals);
    return originals.take(key);
}

PictureValue InstalledMods::composedOf(const std::vector<InstalledMod> &mods, PictureKey key, const GameOriginals &originals, bool take) const
{
    const PictureLayers::Shown shown = PictureLayers::of(mods, key);
    return PictureLayers::value(key, shown, [&](const PictureLayers::Source &source) -> PictureValue {
        const bool original = source.from == PictureLayers::Source::From::Original;
        const bool ownBelow = source.from == PictureLayers::Source::From::OwnBelow;
        if (!(source == shown.pixels)) // the entry's layer: only its entry is taken
            return entryOf(original ? originalOf(key, originals) : heldPicture(mods[source.mod], key, ownBelow));
        if (original)
            return take ? takeOriginal(key, originals) : originalOf(key, originals);
        return take ? takePicture(mods[source.mod], key, ownBelow) : pictureOf(mods[source.mod], key, ownBelow);
    });
}

std::string InstalledMods::composedDigestOf(const std::vector<InstalledMod> &mods, PictureKey key, const GameOriginals &originals,
                                            const PictureLayers::Shown *known) const
{
    // Where one layer gives the whole picture, the library names its digest.
    const PictureLayers::Shown shown = known ? *known : PictureLayers::of(mods, key);
    if (!(shown.entry == shown.pixels))
        return composedOf(mods, key, originals).digest();
    switch (shown.pixels.from) {
    case PictureLayers::Source::From::Mod: return mods[shown.pixels.mod].find(key)->digest;
    case PictureLayers::Source::From::OwnBelow: return mods[shown.pixels.mod].find(key)->ownBelowDigest;
    case PictureLayers::Source::From::Original: break;
    }
    return originals.digest(key);
}

PictureValue InstalledMods::composed(const Catalogue &c, PictureKey key) const
{
    requireFits(c);
    return composedOf(m_mods, key, GameOriginals(c));
}

int InstalledMods::showing(const Catalogue &c, PictureKey key) const
{
    const PictureLayers::Shown shown = PictureLayers::of(m_mods, key);
    if (shown.pixels.from != PictureLayers::Source::From::Mod)
        return -1;
    requireFits(c);
    return PictureValues::currentDigest(c, key) == composedDigestOf(m_mods, key, GameOriginals(c)) ? int(shown.pixels.mod) : -1;
}

std::vector<CoveredPicture> InstalledMods::covered(std::size_t mod, const Catalogue &c) const
{
    m_mods.at(mod);
    return coveredOf({mod}, c).front();
}

std::vector<PackModPicture> InstalledMods::shownPictures(const Catalogue &c) const
{
    requireFits(c);
    std::set<PictureKey> keys;
    for (const InstalledMod &mod : m_mods)
        for (const RecordedPicture &picture : mod.pictures)
            keys.insert(picture.key);
    std::optional<GameOriginals> originals;
    std::vector<PackModPicture> shown;
    for (const PictureKey &key : keys) {
        const PictureLayers::Shown layers = PictureLayers::of(m_mods, key);
        if (layers.pixels.from != PictureLayers::Source::From::Mod)
            continue;
        if (!originals)
            originals.emplace(c);
        if (PictureValues::currentDigest(c, key) == composedDigestOf(m_mods, key, *originals, &layers)) {
            const InstalledMod &mod = m_mods[layers.pixels.mod];
            shown.push_back({key, mod.name, mod.author});
        }
    }
    return shown;
}

std::vector<std::vector<CoveredPicture>> InstalledMods::coveredEach(const Catalogue &c) const
{
    std::vector<std::size_t> all(m_mods.size());
    for (std::size_t k = 0; k < all.size(); ++k)
        all[k] = k;
    return coveredOf(all, c);
}

std::vector<std::vector<CoveredPicture>> InstalledMods::coveredOf(const std::vector<std::size_t> &which, const Catalogue &c) const
{
    requireFits(c);
    std::optional<GameOriginals> originals;
    // Whether the catalogue shows what the library gives, found once a picture: a library of many
    // mods over the same pictures is read in one pass, not once per mod.
    struct Found {
        PictureLayers::Source top; // whose pixels show
        bool shows = false;        // the catalogue shows what the library gives
    };
    std::map<PictureKey, Found> found;
    auto foundOf = [&](PictureKey key) -> const Found & {
        auto known = found.find(key);
        if (known == found.end()) {
            if (!originals)
                originals.emplace(c);
            const PictureLayers::Shown shown = PictureLayers::of(m_mods, key);
            const bool shows = PictureValues::currentDigest(c, key) == composedDigestOf(m_mods, key, *originals, &shown);
            known = found.emplace(key, Found{shown.pixels, shows}).first;
        }
        return known->second;
    };
    std::vector<std::vector<CoveredPicture>> each;
    for (std::size_t mod : which) {
        std::vector<CoveredPicture> covers;
        if (m_mods[mod].enabled)
            for (const RecordedPicture &picture : m_mods[mod].pictures) {
                const Found &layer = foundOf(picture.key);
                const bool own = layer.top == PictureLayers::Source{PictureLayers::Source::From::Mod, mod};
                if (!layer.shows || (!own && layer.top.from != PictureLayers::Source::From::Mod))
                    covers.push_back({picture.key, -1, {}});
                else if (!own)
                    covers.push_back({picture.key, int(layer.top.mod), m_mods[layer.top.mod].name});
            }
        each.push_back(std::move(covers));
    }
    return each;
}

bool InstalledMods::holdsOriginal(const Catalogue &c, PictureKey key, const GameOriginals &originals) const
{
    return originals.heldUnchanged(key) || PictureValues::currentDigest(c, key) == originals.digest(key);
}

std::vector<std::optional<InstalledMods::PixelsNow>> InstalledMods::readLayers(const Catalogue &c, const std::vector<InstalledMod> &next,
                                                                              const std::vector<PictureKey> &keys,
                                                                              const std::map<PictureKey, PictureValue> &floating,
                                                                              bool coverEdits) const
{
    using Source = PictureLayers::Source;
    std::vector<PictureLayers::Shown> before, after;
    for (const PictureKey &key : keys) {
        before.push_back(PictureLayers::of(m_mods, key));
        after.push_back(PictureLayers::of(next, key));
    }
    // Held while reading: the layers the new pictures are made of, and the entries of those that
    // give the entry of a picture shown now. The layer whose pixels show now is compared with the
    // catalogue as it is read, and dropped.
    auto nameIn = [](const std::vector<InstalledMod> &mods, PictureKey key, const Source &source) -> ValueName {
        return {mods[source.mod].fileSha256, key, source.from == Source::From::OwnBelow};
    };
    std::map<ValueName, Keep> layers;
    auto holdLayer = [&layers](const ValueName &name, Keep keep) { layers[name] = std::max(layers[name], keep); };
    std::map<ValueName, std::size_t> showingNow;
    for (std::size_t k = 0; k < keys.size(); ++k) {
        if (!floating.count(keys[k])) {
            if (after[k].pixels.from != Source::From::Original)
                holdLayer(nameIn(next, keys[k], after[k].pixels), Keep::Whole);
            if (after[k].entry.from != Source::From::Original && !(after[k].entry == after[k].pixels))
                holdLayer(nameIn(next, keys[k], after[k].entry), Keep::Entry);
        }
        if (coverEdits || before[k].pixels.from == Source::From::Original)
            continue;
        showingNow.emplace(nameIn(m_mods, keys[k], before[k].pixels), k);
        if (before[k].entry.from != Source::From::Original && !(before[k].entry == before[k].pixels))
            holdLayer(nameIn(m_mods, keys[k], before[k].entry), Keep::Entry);
    }
    // Every picture of these keys in both libraries is read (and so checked) before anything changes.
    std::vector<Part> parts;
    for (const std::vector<InstalledMod> *library : {&m_mods, &next})
        for (const InstalledMod &mod : *library)
            for (const PictureKey &key : keys)
                if (const RecordedPicture *picture = mod.find(key)) {
                    parts.push_back({&mod, key, false});
                    if (!picture->ownBelowDigest.empty())
                        parts.push_back({&mod, key, true});
                }
    std::vector<std::optional<PixelsNow>> pixelsNow(keys.size());
    readParts(
        parts,
        [&layers](const Part &part) {
            const auto found = layers.find(nameOf(part));
            return found == layers.end() ? Keep::Nothing : found->second;
        },
        [&](const Part &part, const PictureValue &value) {
            if (const auto showing = showingNow.find(nameOf(part)); showing != showingNow.end())
                pixelsNow[showing->second] = PixelsNow{PictureValues::holdsPixelDigestOf(c, value), entryOf(value)};
        });
    return pixelsNow;
}

bool InstalledMods::showsNow(const Catalogue &c, PictureKey key, const std::optional<PixelsNow> &read, const GameOriginals &originals) const
{
    using Source = PictureLayers::Source;
    const PictureLayers::Shown before = PictureLayers::of(m_mods, key);
    if (before.pixels.from == Source::From::Original)
        return originals.shown(key);
    if (!read)
        return PictureValues::currentDigest(c, key) == composedDigestOf(m_mods, key, originals, &before);
    if (!read->held)
        return false;
    // The pixels told, the entry is composed: the layer's own, or the one below's but for the size.
    const PictureValue entry = PictureLayers::value(key, before, [&](const Source &source) -> PictureValue {
        if (source == before.pixels)
            return read->entry;
        return entryOf(source.from == Source::From::Original ? originalOf(key, originals)
                                                             : heldPicture(m_mods[source.mod], key, source.from == Source::From::OwnBelow));
    });
    return PictureValues::holdsEntryOf(c, entry);
}

InstalledMods::Recomposed InstalledMods::recompose(Catalogue &c, std::vector<InstalledMod> next, Files files, const std::vector<PictureKey> &keys,
                                                   const std::map<PictureKey, PictureValue> &floating, bool coverEdits)
{
    const GameOriginals originals(c);
    struct Unstage {
        Files &staged;
        std::map<ValueName, PictureValue> &held;
        ~Unstage()
        {
            staged.clear();
            held.clear(); // the pictures read stay on disk and in the catalogue, not twice in memory
        }
    } unstage{m_staged, m_values};
    m_staged = std::move(files);
    const std::vector<std::optional<PixelsNow>> read = readLayers(c, next, keys, floating, coverEdits);
    // Each new picture is made before anything changes: one that can't be made changes nothing.
    // A picture's original, read to compare, is read no more to compose it.
    std::vector<bool> shows;
    std::vector<PictureValue> made;
    for (std::size_t k = 0; k < keys.size(); ++k) {
        shows.push_back(coverEdits || showsNow(c, keys[k], read[k], originals));
        const auto lying = floating.find(keys[k]);
        PictureValue value = lying != floating.end() ? lying->second : composedOf(next, keys[k], originals, true);
        if (shows[k])
            made.push_back(std::move(value));
    }

    Recomposed result;
    auto picture = made.begin();
    for (std::size_t k = 0; k < keys.size(); ++k) {
        if (!shows[k])
            result.leftAlone.push_back(keys[k]);
        else if (PictureValues::put(c, std::move(*picture++)))
            result.changed.push_back(keys[k]);
    }
    for (auto &[file, bytes] : m_staged) {
        const auto unwritten = m_newFiles.find(file);
        const FileOps::FileStamp stamp = unwritten != m_newFiles.end() ? unwritten->second.second : FileOps::stampOf(recordPath(file));
        m_newFiles[file] = {std::move(bytes), stamp};
    }
    m_mods = std::move(next);
    m_pending = true;
    return result;
}

int InstalledMods::freshId() const
{
    // A number no mod and no file has yet: none the library names, none made since, none left in the folder.
    int id = 0;
    for (const InstalledMod &other : m_mods)
        id = std::max(id, other.id);
    for (const std::string &file : namedFiles())
        id = std::max(id, idOf(file));
    for (const auto &[file, unwritten] : m_newFiles)
        id = std::max(id, idOf(file));
    do
        ++id;
    while (id <= ModRecord::MaxId && FileOps::exists(recordPath(InstalledMod::fileOf(id))));
    if (id > ModRecord::MaxId) {
        // The numbers ran out at the top: the lowest one free is taken, which no mod, no file
        // made since and no file in the folder has.
        std::set<int> used;
        for (const InstalledMod &other : m_mods)
            used.insert(other.id);
        for (const std::string &file : namedFiles())
            used.insert(idOf(file));
        for (const auto &[file, unwritten] : m_newFiles)
            used.insert(idOf(file));
        id = 1;
        while (id <= ModRecord::MaxId && (used.count(id) || FileOps::exists(recordPath(InstalledMod::fileOf(id)))))
            ++id;
        if (id > ModRecord::MaxId)
            throw GameFileError(recordFolder(), CORE_WORDING("CoreMessages", "the record of installed mods has no number left for another mod"));
    }
    return id;
}

std::vector<PictureKey> InstalledMods::install(Catalogue &c, ModContents contents, std::time_t now)
{
    if (find(contents.name) >= 0)
        throw GameFileError(contents.source, Message::joined(Message(CORE_WORDING("CoreMessages", "a mod named \"%1\" is installed already")).name(contents.name),
                                                             CORE_WORDING("CoreMessages", "uninstall it first")));
    if (contents.name.empty() || contents.name.size() > LongestName)
        throw GameFileError(contents.source, Message::joined(Message(CORE_WORDING("CoreMessages", "a mod's name must be 1 to %1 bytes long")).number(static_cast<long long>(LongestName)),
                                                             Message(CORE_WORDING("CoreMessages", "\"%1\" is not")).name(contents.name.substr(0, 40))));
    requireFits(c);
    InstalledMod mod = describing(contents, freshId(), now);

    // What shows that the library does not give is the user's own: kept below the mod.
    const GameOriginals originals(c);
    std::vector<PictureValue> ownBelow;
    std::vector<PictureKey> keys;
    for (PictureValue &value : contents.pictures)
        value.knownPixelDigest = value.pixelDigest(); // hashed once
    for (const PictureValue &value : contents.pictures) {
        RecordedPicture picture{value.key, value.digest(), value.sizeOnly && !value.key.font, {}, {}, {}, {}, {}};
        const std::string shows = PictureValues::currentDigest(c, value.key);
        const bool onOriginal = PictureLayers::of(m_mods, value.key).pixels.from == PictureLayers::Source::From::Original;
        if (onOriginal ? !holdsOriginal(c, value.key, originals) : shows != composedDigestOf(m_mods, value.key, originals)) {
            ownBelow.push_back(PictureValues::current(c, value.key));
            picture.ownBelowDigest = ownBelow.back().digest();
        } else if (onOriginal) {
            picture.originalDigest = shows;
        }
        keys.push_back(value.key);
        mod.pictures.push_back(std::move(picture));
    }
    std::vector<std::uint8_t> file = ModRecord::encodePictures(contents.pictures, ownBelow);
    mod.fileSha256 = Sha256::hex(file.data(), file.size());
    // The pictures just written into the file need not be read back from it.
    for (PictureValue &value : contents.pictures) {
        m_values.emplace(std::make_tuple(mod.fileSha256, value.key, false), std::move(value));
    }
    for (PictureValue &value : ownBelow)
        m_values.emplace(std::make_tuple(mod.fileSha256, value.key, true), std::move(value));
    std::vector<InstalledMod> next = m_mods;
    Files files{{mod.file(), std::move(file)}};
    next.push_back(std::move(mod));
    return recompose(c, std::move(next), std::move(files), keys, {}, true).changed;
}

std::vector<std::uint8_t> InstalledMods::fileWith(const InstalledMod &mod, const std::map<PictureKey, PictureValue> &extraBelow) const
{
    std::vector<PictureValue> own, below;
    hold(mod, [](const RecordedPicture &, bool) { return true; });
    for (const RecordedPicture &picture : mod.pictures) {
        own.push_back(pictureOf(mod, picture.key, false));
        if (!picture.ownBelowDigest.empty())
            below.push_back(pictureOf(mod, picture.key, true));
        else if (const auto extra = extraBelow.find(picture.key); extra != extraBelow.end())
            below.push_back(extra->second);
    }
    return ModRecord::encodePictures(own, below);
}

void InstalledMods::handOn(const InstalledMod &gone, const std::set<PictureKey> &kept, std::vector<InstalledMod> &next, std::size_t from,
                           Files &files, std::map<PictureKey, PictureValue> &floating) const
{
    std::map<std::size_t, std::map<PictureKey, PictureValue>> handedOn;
    hold(gone, [&kept](const RecordedPicture &picture, bool ownBelow) { return ownBelow && !kept.count(picture.key); });
    for (const RecordedPicture &picture : gone.pictures) {
        if (picture.ownBelowDigest.empty() || kept.count(picture.key))
            continue;
        PictureValue own = pictureOf(gone, picture.key, true);
        std::size_t above = from;
        while (above < next.size() && !next[above].sets(picture.key))
            ++above;
        if (above == next.size())
            floating.emplace(picture.key, std::move(own));
        else if (next[above].find(picture.key)->ownBelowDigest.empty())
            handedOn[above].emplace(picture.key, std::move(own)); // else the one kept there lies over it
    }
    for (const auto &[above, pictures] : handedOn) {
        InstalledMod &receiver = next[above];
        std::vector<std::uint8_t> file = fileWith(receiver, pictures);
        for (const auto &[key, value] : pictures)
            receiver.find(key)->ownBelowDigest = value.digest();
        receiver.fileSha256 = Sha256::hex(file.data(), file.size());
        files[receiver.file()] = std::move(file);
    }
}

UninstallResult InstalledMods::uninstall(Catalogue &c, std::size_t mod)
{
    requireFits(c);
    UninstallResult result;
    result.leftAlone = covered(mod, c);
    const InstalledMod &gone = m_mods.at(mod);
    std::vector<InstalledMod> next = m_mods;
    next.erase(next.begin() + std::ptrdiff_t(mod));
    Files files;
    std::map<PictureKey, PictureValue> floating;
    handOn(gone, {}, next, mod, files, floating);
    const std::string name = gone.name;
    result.restored = recompose(c, std::move(next), std::move(files), keysOf(gone), floating, false).changed;
    for (ModProfile &profile : m_profiles)
        std::erase(profile.mods, name);
    return result;
}

std::vector<PictureKey> InstalledMods::update(Catalogue &c, std::size_t mod, ModContents contents, std::time_t now)
{
    requireFits(c);
    const InstalledMod &old = m_mods.at(mod);
    if (contents.name != old.name)
        throw GameFileError(contents.source, Message::joined(Message(CORE_WORDING("CoreMessages", "the mod is named \"%1\", not \"%2\"")).name(contents.name).name(old.name),
                                                             CORE_WORDING("CoreMessages", "it can't update that one")));
    InstalledMod made = describing(contents, freshId(), now);
    made.enabled = old.enabled;
    // The user's own pictures kept below the old one stay below the new one where it sets them too;
    // an edit over a picture only the new one sets stays where it shows, over it.
    const GameOriginals originals(c);
    const std::vector<InstalledMod> below(m_mods.begin(), m_mods.begin() + std::ptrdiff_t(mod));
    std::vector<PictureValue> ownBelow;
    std::set<PictureKey> shared;
    std::vector<PictureKey> keys = keysOf(old);
    std::set<PictureKey> setAgain;
    for (const PictureValue &value : contents.pictures)
        setAgain.insert(value.key);
    hold(old, [&setAgain](const RecordedPicture &picture, bool ownBelowPart) { return ownBelowPart && setAgain.count(picture.key); });
    for (const PictureValue &value : contents.pictures) {
        RecordedPicture picture{value.key, value.digest(), value.sizeOnly && !value.key.font, {}, {}, {}, {}, {}};
        if (const RecordedPicture *was = old.find(value.key)) {
            shared.insert(value.key);
            picture.originalDigest = was->originalDigest;
            if (!was->ownBelowDigest.empty()) {
                ownBelow.push_back(pictureOf(old, value.key, true));
                picture.ownBelowDigest = was->ownBelowDigest;
            }
        } else {
            keys.push_back(value.key);
            if (PictureLayers::of(below, value.key).pixels.from == PictureLayers::Source::From::Original)
                picture.originalDigest = originals.digest(value.key);
        }
        made.pictures.push_back(std::move(picture));
    }
    std::vector<std::uint8_t> file = ModRecord::encodePictures(contents.pictures, ownBelow);
    made.fileSha256 = Sha256::hex(file.data(), file.size());
    std::vector<InstalledMod> next = m_mods;
    Files files{{made.file(), std::move(file)}};
    next[mod] = std::move(made);
    std::map<PictureKey, PictureValue> floating;
    handOn(old, shared, next, mod + 1, files, floating);
    return recompose(c, std::move(next), std::move(files), keys, floating, false).changed;
}

std::vector<PictureKey> InstalledMods::setEnabled(Catalogue &c, std::size_t mod, bool enabled)
{
    requireFits(c);
    if (m_mods.at(mod).enabled == enabled)
        return {};
    std::vector<InstalledMod> next = m_mods;
    next[mod].enabled = enabled;
    return recompose(c, std::move(next), {}, keysOf(m_mods[mod]), {}, false).changed;
}

std::vector<PictureKey> InstalledMods::move(Catalogue &c, std::size_t mod, std::size_t to)
{
    requireFits(c);
    m_mods.at(mod);
    to = std::min(to, m_mods.size() - 1);
    if (to == mod)
        return {};
    std::vector<InstalledMod> next = m_mods;
    InstalledMod moving = std::move(next[mod]);
    next.erase(next.begin() + std::ptrdiff_t(mod));
    next.insert(next.begin() + std::ptrdiff_t(to), std::move(moving));
    return recompose(c, std::move(next), {}, keysOf(m_mods[mod]), {}, false).changed;
}

int InstalledMods::findProfile(const std::string &name) const
{
    for (std::size_t k = 0; k < m_profiles.size(); ++k)
        if (m_profiles[k].name == name)
            return int(k);
    return -1;
}

bool InstalledMods::inUse(const ModProfile &profile) const
{
    std::vector<std::string> enabled;
    for (const InstalledMod &mod : m_mods)
        if (mod.enabled)
            enabled.push_back(mod.name);
    return enabled == profile.mods;
}

void InstalledMods::saveProfile(const std::string &name)
{
    if (name.empty() || name.size() > LongestName)
        throw GameFileError(recordFolder(), Message(CORE_WORDING("CoreMessages", "a profile's name must be 1 to %1 bytes long")).number(static_cast<long long>(LongestName)));
    ModProfile profile{name, {}};
    for (const InstalledMod &mod : m_mods)
        if (mod.enabled)
            profile.mods.push_back(mod.name);
    const int at = findProfile(name);
    if (at >= 0)
        m_profiles[std::size_t(at)] = std::move(profile);
    else
        m_profiles.push_back(std::move(profile));
    m_pending = true;
}

std::vector<PictureKey> InstalledMods::useProfile(Catalogue &c, const std::string &name)
{
    requireFits(c);
    const int at = findProfile(name);
    if (at < 0)
        throw GameFileError(recordFolder(), Message(CORE_WORDING("CoreMessages", "there is no profile named \"%1\"")).name(quotedForMessage(name)));
    // Its mods in its order, then the others off in the order they were installed: the same
    // profile always gives the same library, whatever was used before.
    std::vector<InstalledMod> next, others;
    for (const std::string &member : m_profiles[std::size_t(at)].mods) {
        next.push_back(m_mods.at(std::size_t(find(member))));
        next.back().enabled = true;
    }
    for (const InstalledMod &mod : m_mods)
        if (std::find(m_profiles[std::size_t(at)].mods.begin(), m_profiles[std::size_t(at)].mods.end(), mod.name)
            == m_profiles[std::size_t(at)].mods.end()) {
            others.push_back(mod);
            others.back().enabled = false;
        }
    std::sort(others.begin(), others.end(), [](const InstalledMod &a, const InstalledMod &b) { return a.id < b.id; });
    next.insert(next.end(), others.begin(), others.end());
    std::set<PictureKey> keys;
    for (const InstalledMod &mod : m_mods)
        for (const RecordedPicture &picture : mod.pictures)
            keys.insert(picture.key);
    return recompose(c, std::move(next), {}, {keys.begin(), keys.end()}, {}, false).changed;
}

std::vector<std::string> InstalledMods::namedFiles() const
{
    std::set<std::string> files(m_olderFiles.begin(), m_olderFiles.end());
    for (const InstalledMod &mod : m_mods)
        files.insert(mod.file());
    return {files.begin(), files.end()};
}

std::uint64_t InstalledMods::Snapshot::bytes() const
{
    std::uint64_t total = 0;
    for (const auto &[name, content] : files)
        total += content.size();
    return total;
}

InstalledMods::Snapshot InstalledMods::snapshot() const
{
    Snapshot taken{m_mods, m_profiles, {}};
    for (const InstalledMod &mod : m_mods) {
        std::vector<std::uint8_t> read;
        taken.files[mod.file()] = fileBytes(mod.file(), mod.fileSha256, read);
    }
    return taken;
}

void InstalledMods::restore(const Snapshot &snapshot)
{
    m_mods = snapshot.mods;
    m_profiles = snapshot.profiles;
    m_newFiles.clear();
    m_values.clear();
    for (const auto &[file, bytes] : snapshot.files) {
        const std::string path = recordPath(file);
        try {
            if (UntrustedFile::read(path, ArchiveLimits{}.archiveBytes) == bytes)
                continue;
        } catch (const GameFileError &) {
            // Gone since (a commit tidied it away) or unreadable: written again.
        }
        m_newFiles[file] = {bytes, FileOps::stampOf(path)};
    }
    // Back to what the game folder holds, the library has nothing left to write.
    std::string onDisk;
    try {
        const std::vector<std::uint8_t> bytes = UntrustedFile::read(recordPath(ModRecord::ListFile), MaxListBytes);
        onDisk.assign(bytes.begin(), bytes.end());
    } catch (const GameFileError &) {
    }
    m_pending = !m_newFiles.empty() || onDisk != (m_mods.empty() ? std::string() : ModRecord::encodeList(m_mods, m_profiles));
}

std::vector<ModRecordFile> InstalledMods::pendingFiles() const
{
    if (!m_pending)
        return {};
    std::vector<ModRecordFile> files;
    const std::string list = ModRecord::encodeList(m_mods, m_profiles);
    files.push_back({relative(ModRecord::ListFile), std::vector<std::uint8_t>(list.begin(), list.end()), m_listStamp});
    // Only files the library names: one made and dropped again before it was written is not.
    for (const InstalledMod &mod : m_mods) {
        const auto unwritten = m_newFiles.find(mod.file());
        if (unwritten != m_newFiles.end())
            files.push_back({relative(mod.file()), unwritten->second.first, unwritten->second.second});
    }
    return files;
}

void InstalledMods::committed()
{
    if (!m_pending)
        return;
    m_listStamp = FileOps::stampOf(recordPath(ModRecord::ListFile));
    m_listText = ModRecord::encodeList(m_mods, m_profiles);
    m_newFiles.clear();
    m_olderFiles.clear();
    m_values.clear();
    m_pending = false;
    tidy();
}

void InstalledMods::tidy()
{
    const std::string list = recordPath(ModRecord::ListFile);
    try {
        const FolderLock lock(m_gp4Path, FolderLock::Mode::Write);
        m_listStamp = FileOps::stampOf(list);
        if (!m_listStamp.exists || UntrustedFile::isLinkOrFile(recordFolder()))
            return;
        // Only the record this one is: another program's, written since, names files this one
        // does not know. Its bytes tell, where a stamp read before the lock could not.
        const std::vector<std::uint8_t> onDisk = UntrustedFile::read(list, MaxListBytes);
        if (std::string_view(reinterpret_cast<const char *>(onDisk.data()), onDisk.size()) != m_listText)
            return;
        const std::vector<std::string> named = namedFiles();
        for (const std::string &name : FileOps::namesIn(recordFolder()))
            if (ModRecord::isRecordFile(name) && !std::binary_search(named.begin(), named.end(), name))
                FileOps::removeQuietly(recordPath(name));
        // No mod left: the folder goes back to what the game shipped.
        if (m_mods.empty()) {
            FileOps::removeFile(list, list);
            m_listStamp = FileOps::stampOf(list);
            m_listText.clear();
            const std::string folder = recordFolder();
            std::error_code ignored; // a folder that still holds files stays
            std::filesystem::remove(std::filesystem::path(std::u8string(folder.begin(), folder.end())), ignored);
        }
    } catch (const GameFileError &) {
        // Files the library no longer names are ignored; the next commit tidies them.
    }
}
