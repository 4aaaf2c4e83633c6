#include "installed_mods.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <set>

#include "archive_reader.h"
#include "folder_lock.h"
#include "game_file_error.h"
#include "game_originals.h"
#include "game_paths.h"
#include "mod_manifest.h"
#include "mod_record.h"
#include "platform_files.h"
#include "sha256.h"
#include "untrusted_file.h"

namespace {

constexpr std::uint64_t MaxListBytes = 16u << 20;

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

} // namespace

InstalledMods InstalledMods::load(const std::string &gp4Path)
{
    InstalledMods record;
    record.m_gp4Path = gp4Path;
    const std::string folder = record.recordFolder();
    PlatformFiles::Info info;
    if (PlatformFiles::linkInfoOf(folder, info) != 0)
        return record;
    if (info.link || !info.folder)
        throw GameFileError(folder, "is not a folder of Tessary's own (a link or a file has its name); Tessary leaves it as it is");
    const std::string list = GamePaths::underData(gp4Path, relative(ModRecord::ListFile));
    record.m_listStamp = FileOps::stampOf(list);
    if (!FileOps::exists(list))
        return record;
    const std::vector<std::uint8_t> bytes = UntrustedFile::read(list, MaxListBytes);
    record.m_mods = ModRecord::parseList(list, std::string_view(reinterpret_cast<const char *>(bytes.data()), bytes.size()));
    return record;
}

std::string InstalledMods::recordFolder() const
{
    return GamePaths::underData(m_gp4Path, ModRecord::Folder);
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
        if (m_mods[k].sets(key))
            return int(k);
    return -1;
}

void InstalledMods::requireFits(const Catalogue &c) const
{
    for (const InstalledMod &mod : m_mods)
        for (const RecordedPicture &picture : mod.pictures)
            if (!picture.key.font && !c.isImage(picture.key.number))
                throw GameFileError(GamePaths::underData(m_gp4Path, relative(ModRecord::ListFile)),
                                    "the record of installed mods is damaged (the mod \"" + mod.name + "\" lists image "
                                        + std::to_string(picture.key.number) + ", but this game has images 1 to "
                                        + std::to_string(c.ImageCount - 1)
                                        + "); Tessary leaves it as it is. Move the folder tessary-mods away to install mods again");
}

std::vector<CoveredPicture> InstalledMods::covered(std::size_t mod, const Catalogue &c) const
{
    m_mods.at(mod);
    return coveredOf({mod}, c).front();
}

std::vector<PackModPicture> InstalledMods::shownPictures(const Catalogue &c) const
{
    requireFits(c);
    std::map<PictureKey, std::size_t> top;
    for (std::size_t k = 0; k < m_mods.size(); ++k)
        for (const RecordedPicture &picture : m_mods[k].pictures)
            top[picture.key] = k;
    std::vector<PackModPicture> shown;
    for (const auto &[key, mod] : top)
        if (PictureValues::currentDigest(c, key) == m_mods[mod].digestOf(key))
            shown.push_back({key, m_mods[mod].name, m_mods[mod].author});
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
    // The top mod of each picture, and the digest of what shows, each found once: a record of
    // many mods over the same pictures is read in one pass, not once per mod.
    std::map<PictureKey, std::pair<std::size_t, const RecordedPicture *>> top;
    for (std::size_t k = 0; k < m_mods.size(); ++k)
        for (const RecordedPicture &picture : m_mods[k].pictures)
            top[picture.key] = {k, &picture};
    std::map<PictureKey, std::string> shown;
    auto shownDigest = [&](PictureKey key) -> const std::string & {
        auto found = shown.find(key);
        if (found == shown.end())
            found = shown.emplace(key, PictureValues::currentDigest(c, key)).first;
        return found->second;
    };
    std::vector<std::vector<CoveredPicture>> each;
    for (std::size_t mod : which) {
        std::vector<CoveredPicture> found;
        for (const RecordedPicture &picture : m_mods[mod].pictures) {
            const auto &[above, abovePicture] = top.at(picture.key);
            const std::string &now = shownDigest(picture.key);
            if (above > mod && now == abovePicture->digest)
                found.push_back({picture.key, int(above), m_mods[above].name});
            else if (above > mod || now != picture.digest)
                found.push_back({picture.key, -1, {}});
        }
        each.push_back(std::move(found));
    }
    return each;
}

bool InstalledMods::holdsOriginal(const Catalogue &c, PictureKey key, const GameOriginals &originals) const
{
    return originals.heldUnchanged(key) || PictureValues::currentDigest(c, key) == originals.digest(key);
}

std::vector<PictureKey> InstalledMods::install(Catalogue &c, ModContents contents, std::time_t now)
{
    if (find(contents.name) >= 0)
        throw GameFileError(contents.source, "a mod named \"" + contents.name + "\" is installed already; uninstall it first");
    requireFits(c);
    // A number no mod and no file has yet: none the record names, none made since, none left in the folder.
    InstalledMod mod;
    for (const InstalledMod &other : m_mods)
        mod.id = std::max(mod.id, other.id);
    for (const std::string &file : namedFiles())
        mod.id = std::max(mod.id, std::stoi(file.substr(0, file.size() - 4)));
    for (const auto &[file, unwritten] : m_newFiles)
        mod.id = std::max(mod.id, std::stoi(file.substr(0, file.size() - 4)));
    do
        ++mod.id;
    while (mod.id <= ModRecord::MaxId && FileOps::exists(GamePaths::underData(m_gp4Path, relative(mod.file()))));
    if (mod.id > ModRecord::MaxId) {
        // The numbers ran out at the top: the lowest one free is taken, which no mod, no file
        // made since and no file in the folder has.
        std::set<int> used;
        for (const InstalledMod &other : m_mods)
            used.insert(other.id);
        for (const std::string &file : namedFiles())
            used.insert(std::stoi(file.substr(0, file.size() - 4)));
        for (const auto &[file, unwritten] : m_newFiles)
            used.insert(std::stoi(file.substr(0, file.size() - 4)));
        mod.id = 1;
        while (mod.id <= ModRecord::MaxId && (used.count(mod.id) || FileOps::exists(GamePaths::underData(m_gp4Path, relative(mod.file())))))
            ++mod.id;
        if (mod.id > ModRecord::MaxId)
            throw GameFileError(recordFolder(), "the record of installed mods has no number left for another mod");
    }
    mod.name = contents.name;
    mod.author = contents.author;
    mod.description = contents.description;
    mod.created = contents.created;
    mod.installed = ModManifest::utcText(now);
    mod.source = sourceName(contents.source);

    // What lies below each picture is kept, unless it is the game's original.
    const GameOriginals originals(c);
    std::vector<PictureValue> below;
    for (const PictureValue &value : contents.pictures) {
        RecordedPicture picture{value.key, value.digest(), {}, {}, {}, value.sizeOnly && !value.key.font, {}};
        if (!holdsOriginal(c, value.key, originals)) {
            below.push_back(PictureValues::current(c, value.key));
            picture.belowFile = mod.file();
            picture.belowDigest = below.back().digest();
        } else {
            picture.originalDigest = PictureValues::currentDigest(c, value.key);
        }
        mod.pictures.push_back(std::move(picture));
    }
    if (!below.empty()) {
        std::vector<std::uint8_t> file = ModRecord::encodePictures(below);
        const std::string sha = Sha256::hex(file.data(), file.size());
        for (RecordedPicture &picture : mod.pictures)
            if (!picture.belowFile.empty())
                picture.belowFileSha256 = sha;
        m_newFiles[mod.file()] = {std::move(file), FileOps::stampOf(GamePaths::underData(m_gp4Path, relative(mod.file())))};
    }

    std::vector<PictureKey> changed;
    for (PictureValue &value : contents.pictures) {
        const PictureKey key = value.key;
        if (PictureValues::put(c, std::move(value)))
            changed.push_back(key);
    }
    m_mods.push_back(std::move(mod));
    m_pending = true;
    return changed;
}

std::vector<std::uint8_t> InstalledMods::recordBytes(const std::string &file) const
{
    const auto unwritten = m_newFiles.find(file);
    if (unwritten != m_newFiles.end())
        return unwritten->second.first;
    return UntrustedFile::read(GamePaths::underData(m_gp4Path, relative(file)), ArchiveLimits{}.archiveBytes);
}

PictureValue InstalledMods::belowOf(const RecordedPicture &picture, CheckedFiles &checked) const
{
    const std::string path = GamePaths::underData(m_gp4Path, relative(picture.belowFile));
    auto file = checked.find({picture.belowFile, picture.belowFileSha256});
    if (file == checked.end()) {
        const std::vector<std::uint8_t> bytes = recordBytes(picture.belowFile);
        if (Sha256::hex(bytes.data(), bytes.size()) != picture.belowFileSha256)
            throw GameFileError(path, "the record of installed mods is damaged (it is not the file Tessary wrote); Tessary leaves it as it is");
        file = checked.emplace(std::pair(picture.belowFile, picture.belowFileSha256), ArchiveReader::read(path, bytes.data(), bytes.size())).first;
    }
    return ModRecord::picture(path, file->second, picture.key, picture.belowDigest);
}

std::vector<InstalledMods::Rebased> InstalledMods::rebasedAbove(const Catalogue &c, std::size_t mod, const RecordedPicture &picture,
                                                                CheckedFiles &checked) const
{
    std::vector<std::size_t> chain;
    for (std::size_t above = mod + 1; above < m_mods.size(); ++above)
        if (m_mods[above].sets(picture.key))
            chain.push_back(above);
    std::vector<Rebased> found;
    std::optional<PictureValue> base;
    for (std::size_t k = 0; k < chain.size(); ++k) {
        const RecordedPicture &own = *m_mods[chain[k]].find(picture.key);
        if (!own.sizeOnly)
            break; // it sets its whole entry; those above it lie on that
        if (k == 0 && own.belowDigest != picture.digest)
            break; // an edit of the user's own lies between, and stays below it as it was
        if (!base) // what lies below mod's picture, read only when a mod above needs it
            base = picture.belowFile.empty() ? GameOriginals(c).picture(picture.key) : belowOf(picture, checked);
        Rebased rebased{chain[k], k + 1 < chain.size() ? chain[k + 1] : m_mods.size(), {}};
        if (rebased.next == m_mods.size()) {
            if (PictureValues::currentDigest(c, picture.key) != own.digest)
                break; // an edit of the user's own shows: left as it is
            rebased.value = PictureValues::current(c, picture.key);
        } else {
            const RecordedPicture &next = *m_mods[rebased.next].find(picture.key);
            if (next.belowFile.empty() || next.belowDigest != own.digest)
                break; // an edit lies between them
            rebased.value = belowOf(next, checked);
        }
        const std::int32_t width = rebased.value.entry.Width, height = rebased.value.entry.Height;
        rebased.value.entry = base->entry;
        rebased.value.entry.Width = width;
        rebased.value.entry.Height = height;
        rebased.value.blocks = base->blocks;
        rebased.value.knownPixelDigest.clear();
        found.push_back(std::move(rebased));
    }
    return found;
}

void InstalledMods::rewriteBelow(const std::string &file, const PictureValue &value, CheckedFiles &checked)
{
    // Every picture the file keeps, read back, with value in place of the one it replaces.
    std::vector<PictureValue> kept;
    for (const InstalledMod &mod : m_mods)
        for (const RecordedPicture &picture : mod.pictures)
            if (picture.belowFile == file && picture.key != value.key)
                kept.push_back(belowOf(picture, checked));
    kept.push_back(value);
    std::sort(kept.begin(), kept.end(), [](const PictureValue &a, const PictureValue &b) { return a.key < b.key; });
    std::vector<std::uint8_t> bytes = ModRecord::encodePictures(kept);
    const std::string sha = Sha256::hex(bytes.data(), bytes.size());
    for (InstalledMod &mod : m_mods)
        for (RecordedPicture &picture : mod.pictures)
            if (picture.belowFile == file)
                picture.belowFileSha256 = sha;
    const auto unwritten = m_newFiles.find(file);
    const FileOps::FileStamp stamp = unwritten != m_newFiles.end() ? unwritten->second.second
                                                                   : FileOps::stampOf(GamePaths::underData(m_gp4Path, relative(file)));
    m_newFiles[file] = {std::move(bytes), stamp};
}

UninstallResult InstalledMods::uninstall(Catalogue &c, std::size_t mod)
{
    requireFits(c);
    UninstallResult result;
    result.leftAlone = covered(mod, c);
    std::vector<PictureValue> back;
    std::vector<std::pair<std::size_t, RecordedPicture>> handedOn; // a later mod now lies on what lay below this one
    std::vector<Rebased> rebased; // later mods' pictures whose entries follow what now lies below them
    std::unique_ptr<GameOriginals> originals;
    CheckedFiles checked;
    // Every picture that goes back is read first, so that a damaged record changes nothing.
    for (const RecordedPicture &picture : m_mods.at(mod).pictures) {
        const auto cover = std::find_if(result.leftAlone.begin(), result.leftAlone.end(),
                                        [&picture](const CoveredPicture &covering) { return covering.key == picture.key; });
        if (cover != result.leftAlone.end()) {
            // The next mod that lies right on this one's picture now lies on what lay below it.
            for (std::size_t above = mod + 1; above < m_mods.size(); ++above)
                if (const RecordedPicture *next = m_mods[above].find(picture.key)) {
                    if (next->belowDigest == picture.digest)
                        handedOn.emplace_back(above, picture);
                    break;
                }
            // Those above that take their entry from below now take it from what lay below this one.
            if (!picture.key.font)
                for (Rebased &taken : rebasedAbove(c, mod, picture, checked))
                    rebased.push_back(std::move(taken));
            continue;
        }
        if (!picture.belowFile.empty()) {
            back.push_back(belowOf(picture, checked));
            continue;
        }
        if (!originals)
            originals = std::make_unique<GameOriginals>(c);
        back.push_back(originals->picture(picture.key));
        // The original lay below when the mod was installed; one that is no longer there (its
        // kept file deleted, so that the game folder's, the mod's own, is read) is not given back.
        if (!picture.originalDigest.empty() && back.back().digest() != picture.originalDigest)
            throw GameFileError(GamePaths::original(m_gp4Path, picture.key.font ? GamePaths::relativeFont(picture.key.number)
                                                                                 : GamePaths::relativeImage(picture.key.number)),
                                "the game's original of " + picture.key.caption() + " that lay below the mod \"" + m_mods[mod].name
                                    + "\" is not kept any more (tessary-originals was changed); Tessary can't give it back, so "
                                    + FailureText::NothingChanged);
    }
    for (PictureValue &value : back) {
        const PictureKey key = value.key;
        PictureValues::put(c, std::move(value));
        result.restored.push_back(key);
    }
    for (const auto &[above, picture] : handedOn) {
        RecordedPicture &next = *m_mods[above].find(picture.key);
        next.belowFile = picture.belowFile;
        next.belowFileSha256 = picture.belowFileSha256;
        next.belowDigest = picture.belowDigest;
        next.originalDigest = picture.originalDigest;
    }
    for (Rebased &taken : rebased) {
        const PictureKey key = taken.value.key;
        RecordedPicture &own = *m_mods[taken.mod].find(key);
        const std::string was = own.digest;
        own.digest = taken.value.digest();
        if (taken.next == m_mods.size()) {
            PictureValues::put(c, std::move(taken.value));
            continue;
        }
        RecordedPicture &next = *m_mods[taken.next].find(key);
        next.belowDigest = own.digest;
        rewriteBelow(next.belowFile, taken.value, checked);
    }
    m_mods.erase(m_mods.begin() + std::ptrdiff_t(mod));
    m_pending = true;
    return result;
}

std::vector<std::string> InstalledMods::namedFiles() const
{
    std::set<std::string> files;
    for (const InstalledMod &mod : m_mods) {
        for (const RecordedPicture &picture : mod.pictures)
            if (!picture.belowFile.empty())
                files.insert(picture.belowFile);
    }
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
    Snapshot taken{m_mods, {}};
    for (const std::string &file : namedFiles())
        taken.files[file] = recordBytes(file);
    return taken;
}

void InstalledMods::restore(const Snapshot &snapshot)
{
    m_mods = snapshot.mods;
    m_newFiles.clear();
    for (const auto &[file, bytes] : snapshot.files) {
        const std::string path = GamePaths::underData(m_gp4Path, relative(file));
        try {
            if (UntrustedFile::read(path, ArchiveLimits{}.archiveBytes) == bytes)
                continue;
        } catch (const GameFileError &) {
            // Gone since (a commit tidied it away) or unreadable: written again.
        }
        m_newFiles[file] = {bytes, FileOps::stampOf(path)};
    }
    // Back to what the game folder holds, the record has nothing left to write.
    const std::string list = GamePaths::underData(m_gp4Path, relative(ModRecord::ListFile));
    std::string onDisk;
    try {
        const std::vector<std::uint8_t> bytes = UntrustedFile::read(list, MaxListBytes);
        onDisk.assign(bytes.begin(), bytes.end());
    } catch (const GameFileError &) {
    }
    m_pending = !m_newFiles.empty() || onDisk != (m_mods.empty() ? std::string() : ModRecord::encodeList(m_mods));
}

std::vector<ModRecordFile> InstalledMods::pendingFiles() const
{
    if (!m_pending)
        return {};
    std::vector<ModRecordFile> files;
    const std::string list = ModRecord::encodeList(m_mods);
    files.push_back({relative(ModRecord::ListFile), std::vector<std::uint8_t>(list.begin(), list.end()), m_listStamp});
    // Only files the record names: one made and dropped again before it was written is not.
    for (const std::string &file : namedFiles()) {
        const auto unwritten = m_newFiles.find(file);
        if (unwritten != m_newFiles.end())
            files.push_back({relative(file), unwritten->second.first, unwritten->second.second});
    }
    return files;
}

void InstalledMods::committed()
{
    if (!m_pending)
        return;
    m_listStamp = FileOps::stampOf(GamePaths::underData(m_gp4Path, relative(ModRecord::ListFile)));
    m_newFiles.clear();
    m_pending = false;
    tidy();
}

void InstalledMods::tidy()
{
    const std::string list = GamePaths::underData(m_gp4Path, relative(ModRecord::ListFile));
    try {
        const FolderLock lock(m_gp4Path, FolderLock::Mode::Write);
        m_listStamp = FileOps::stampOf(list);
        if (!m_listStamp.exists || UntrustedFile::isLinkOrFile(recordFolder()))
            return;
        // Only the record this one is: another program's, written since, names files this one
        // does not know. Its bytes tell, where a stamp read before the lock could not.
        const std::vector<std::uint8_t> onDisk = UntrustedFile::read(list, MaxListBytes);
        if (std::string_view(reinterpret_cast<const char *>(onDisk.data()), onDisk.size()) != ModRecord::encodeList(m_mods))
            return;
        const std::vector<std::string> named = namedFiles();
        for (const std::string &name : FileOps::namesIn(recordFolder()))
            if (ModRecord::isRecordFile(name) && !std::binary_search(named.begin(), named.end(), name))
                FileOps::removeQuietly(GamePaths::underData(m_gp4Path, relative(name)));
        // No mod left: the folder goes back to what the game shipped.
        if (m_mods.empty()) {
            FileOps::removeFile(list, list);
            m_listStamp = FileOps::stampOf(list);
            const std::string folder = recordFolder();
            std::error_code ignored; // a folder that still holds files stays
            std::filesystem::remove(std::filesystem::path(std::u8string(folder.begin(), folder.end())), ignored);
        }
    } catch (const GameFileError &) {
        // Files the record no longer names are ignored; the next commit tidies them.
    }
}
