#include "installed_mods.h"

#include <algorithm>
#include <filesystem>
#include <memory>

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

std::vector<CoveredPicture> InstalledMods::covered(std::size_t mod, const Catalogue &c) const
{
    std::vector<CoveredPicture> found;
    for (const auto &[key, digest] : m_mods.at(mod).pictures) {
        const int top = topOf(key);
        if (top > int(mod))
            found.push_back({key, top});
        else if (PictureValues::currentDigest(c, key) != digest)
            found.push_back({key, -1});
    }
    return found;
}

std::vector<PictureKey> InstalledMods::install(Catalogue &c, ModContents contents, std::time_t now)
{
    if (find(contents.name) >= 0)
        throw GameFileError(contents.source, "a mod named \"" + contents.name + "\" is installed already; uninstall it first");
    InstalledMod mod;
    for (const InstalledMod &other : m_mods)
        mod.id = std::max(mod.id, other.id);
    // A number no file in the folder has yet, a record file left behind included.
    do
        ++mod.id;
    while (FileOps::exists(GamePaths::underData(m_gp4Path, relative(mod.file()))) || m_newFiles.count(mod.id));
    mod.name = contents.name;
    mod.author = contents.author;
    mod.description = contents.description;
    mod.created = contents.created;
    mod.installed = ModManifest::utcText(now);
    mod.source = sourceName(contents.source);
    for (const PictureValue &value : contents.pictures)
        mod.pictures.emplace_back(value.key, value.digest());
    std::vector<std::uint8_t> file = ModRecord::encodePictures(contents.pictures);
    mod.recordSha256 = Sha256::hex(file.data(), file.size());

    std::vector<PictureKey> changed;
    for (PictureValue &value : contents.pictures) {
        const PictureKey key = value.key;
        if (PictureValues::put(c, std::move(value)))
            changed.push_back(key);
    }
    m_newStamps[mod.id] = FileOps::stampOf(GamePaths::underData(m_gp4Path, relative(mod.file())));
    m_newFiles[mod.id] = std::move(file);
    m_mods.push_back(std::move(mod));
    m_pending = true;
    return changed;
}

PictureValue InstalledMods::pictureOf(std::size_t mod, PictureKey key) const
{
    const InstalledMod &below = m_mods.at(mod);
    const std::string path = GamePaths::underData(m_gp4Path, relative(below.file()));
    const auto pending = m_newFiles.find(below.id);
    const std::vector<std::uint8_t> bytes = pending != m_newFiles.end() ? pending->second
                                                                          : UntrustedFile::read(path, ArchiveLimits{}.archiveBytes);
    if (Sha256::hex(bytes.data(), bytes.size()) != below.recordSha256)
        throw GameFileError(path, "the record of the mod \"" + below.name + "\" is damaged (it is not the file Tessary wrote); "
                                      "Tessary leaves it as it is");
    return ModRecord::picture(path, ArchiveReader::read(path, bytes.data(), bytes.size()), key, below.digestOf(key));
}

UninstallResult InstalledMods::uninstall(Catalogue &c, std::size_t mod)
{
    UninstallResult result;
    std::vector<PictureValue> below;
    std::unique_ptr<GameOriginals> originals;
    // Every picture that goes back is read first, so that a damaged record changes nothing.
    for (const CoveredPicture &cover : covered(mod, c))
        result.leftAlone.push_back(cover);
    for (const auto &[key, digest] : m_mods.at(mod).pictures) {
        if (std::any_of(result.leftAlone.begin(), result.leftAlone.end(), [key = key](const CoveredPicture &cover) { return cover.key == key; }))
            continue;
        int lower = -1;
        for (std::size_t k = 0; k < mod; ++k)
            if (m_mods[k].sets(key))
                lower = int(k);
        if (lower >= 0) {
            below.push_back(pictureOf(std::size_t(lower), key));
        } else {
            if (!originals)
                originals = std::make_unique<GameOriginals>(c);
            below.push_back(originals->picture(key));
        }
    }
    for (PictureValue &value : below) {
        const PictureKey key = value.key;
        PictureValues::put(c, std::move(value));
        result.restored.push_back(key);
    }
    const int id = m_mods[mod].id;
    if (!m_newFiles.erase(id))
        m_dropped.push_back(id);
    m_newStamps.erase(id);
    m_mods.erase(m_mods.begin() + std::ptrdiff_t(mod));
    m_pending = true;
    return result;
}

std::vector<ModRecordFile> InstalledMods::pendingFiles() const
{
    if (!m_pending)
        return {};
    std::vector<ModRecordFile> files;
    const std::string list = ModRecord::encodeList(m_mods);
    files.push_back({relative(ModRecord::ListFile), std::vector<std::uint8_t>(list.begin(), list.end()), m_listStamp});
    for (const InstalledMod &mod : m_mods) {
        const auto file = m_newFiles.find(mod.id);
        if (file != m_newFiles.end())
            files.push_back({relative(mod.file()), file->second, m_newStamps.at(mod.id)});
    }
    return files;
}

void InstalledMods::committed()
{
    if (!m_pending)
        return;
    const std::string list = GamePaths::underData(m_gp4Path, relative(ModRecord::ListFile));
    m_listStamp = FileOps::stampOf(list);
    m_newFiles.clear();
    m_newStamps.clear();
    m_pending = false;
    try {
        const FolderLock lock(m_gp4Path, FolderLock::Mode::Write);
        for (int id : m_dropped) {
            InstalledMod gone;
            gone.id = id;
            FileOps::removeQuietly(GamePaths::underData(m_gp4Path, relative(gone.file())));
        }
        m_dropped.clear();
        // No mod left: the folder goes back to what the game shipped, unless another program
        // has installed a mod meanwhile.
        if (m_mods.empty() && FileOps::stampOf(list) == m_listStamp) {
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
