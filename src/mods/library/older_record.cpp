#include "older_record.h"

#include <cstring>
#include <limits>
#include <memory>
#include <optional>

#include "archive_reader.h"
#include "font_file.h"
#include "game_file_error.h"
#include "game_originals.h"
#include "game_paths.h"
#include "index_file.h"
#include "mod_record.h"
#include "picture_layers.h"
#include "sha256.h"
#include "untrusted_file.h"

namespace {

constexpr std::uint64_t MaxFileBytes = std::uint64_t(std::numeric_limits<std::int32_t>::max());

// The pictures the game folder holds now, as its files on disk say (the record was written with them).
class FolderPictures {
public:
    explicit FolderPictures(const std::string &gp4Path) : m_gp4Path(gp4Path) {}

    PictureValue picture(PictureKey key)
    {
        PictureValue value;
        value.key = key;
        if (key.font) {
            const std::string file = GamePaths::font(m_gp4Path, key.number);
            const std::vector<std::uint8_t> bytes = UntrustedFile::read(file, MaxFileBytes);
            TGPFDetails details;
            FontFile::parse(file, bytes.data(), bytes.size(), details, value.sheet);
            return value;
        }
        if (!m_index) {
            const std::string file = GamePaths::index(m_gp4Path);
            const std::vector<std::uint8_t> bytes = UntrustedFile::read(file, MaxFileBytes);
            m_index = std::make_unique<Catalogue>();
            IndexFile::parse(file, bytes.data(), bytes.size(), *m_index);
        }
        if (key.number < 1 || key.number >= m_index->ImageCount)
            throw GameFileError(GamePaths::index(m_gp4Path), Message(CORE_WORDING("CoreMessages", "the index has no entry for image %1")).number(key.number));
        value.entry = m_index->ImageDetails[std::size_t(key.number)];
        value.blocks = m_index->ImageBlocks[std::size_t(key.number)];
        const std::vector<std::uint8_t> bytes = UntrustedFile::read(GamePaths::image(m_gp4Path, key.number), MaxFileBytes);
        value.byteCount = std::int32_t(bytes.size());
        value.pixels.assign(pixelElementsFor(bytes.size()), 0);
        if (!bytes.empty())
            std::memcpy(value.pixels.data(), bytes.data(), bytes.size());
        return value;
    }

private:
    std::string m_gp4Path;
    std::unique_ptr<Catalogue> m_index;
};

// The pictures kept in the old record's files, each file read and checked once.
class OldFiles {
public:
    explicit OldFiles(const std::string &gp4Path) : m_gp4Path(gp4Path) {}

    PictureValue below(const RecordedPicture &picture)
    {
        const std::string path = GamePaths::underData(m_gp4Path, std::string(ModRecord::Folder) + "/" + picture.belowFile);
        auto found = m_read.find(picture.belowFile);
        if (found == m_read.end()) {
            const std::vector<std::uint8_t> bytes = UntrustedFile::read(path, ArchiveLimits{}.archiveBytes);
            if (Sha256::hex(bytes.data(), bytes.size()) != picture.belowFileSha256)
                throw GameFileError(path, Message::joined(Message(CORE_WORDING("CoreMessages", "the record of installed mods is damaged (%1)"))
                                                          .nested(CORE_WORDING("CoreMessages", "it is not the file Tessary wrote")),
                                                      CORE_WORDING("CoreMessages", "Tessary leaves it as it is")));
            found = m_read.emplace(picture.belowFile, ArchiveReader::read(path, bytes.data(), bytes.size())).first;
        }
        return ModRecord::picture(path, found->second, picture.key, picture.belowDigest);
    }

private:
    std::string m_gp4Path;
    std::map<std::string, std::vector<ArchiveEntry>> m_read;
};

} // namespace

namespace OlderRecord {

Migrated migrate(const std::string &gp4Path, std::vector<InstalledMod> mods)
{
    FolderPictures folder(gp4Path);
    OldFiles old(gp4Path);
    Catalogue located; // GameOriginals reads the folder the catalogue names
    located.GP4Path = gp4Path;
    std::optional<GameOriginals> originals;
    auto original = [&](PictureKey key) {
        if (!originals)
            originals.emplace(located);
        return originals->picture(key);
    };

    // Each mod's own pictures, where they can still be found.
    std::vector<std::map<PictureKey, PictureValue>> own(mods.size()), ownBelow(mods.size());
    for (std::size_t k = 0; k < mods.size(); ++k) {
        std::vector<RecordedPicture> kept;
        for (RecordedPicture &picture : mods[k].pictures) {
            const RecordedPicture *above = nullptr;
            for (std::size_t j = k + 1; j < mods.size() && !above; ++j)
                above = mods[j].find(picture.key);
            std::optional<PictureValue> found;
            if (above && !above->belowFile.empty() && above->belowDigest == picture.digest)
                found = old.below(*above);
            else if (!above) {
                PictureValue shown = folder.picture(picture.key);
                if (shown.digest() == picture.digest)
                    found = std::move(shown);
            }
            if (!found)
                continue;
            own[k].emplace(picture.key, std::move(*found));
            kept.push_back(picture);
        }
        mods[k].pictures = std::move(kept);
    }

    // What lay below each picture is the user's own where the mods below do not give it.
    for (std::size_t k = 0; k < mods.size(); ++k) {
        const std::vector<InstalledMod> lower(mods.begin(), mods.begin() + std::ptrdiff_t(k));
        for (RecordedPicture &picture : mods[k].pictures) {
            const PictureValue below = picture.belowFile.empty() ? original(picture.key) : old.below(picture);
            const PictureLayers::Shown shown = PictureLayers::of(lower, picture.key);
            const PictureValue given = PictureLayers::value(picture.key, shown, [&](const PictureLayers::Source &source) {
                switch (source.from) {
                case PictureLayers::Source::From::Mod: return own[source.mod].at(picture.key);
                case PictureLayers::Source::From::OwnBelow: return ownBelow[source.mod].at(picture.key);
                case PictureLayers::Source::From::Original: break;
                }
                return original(picture.key);
            });
            if (given.digest() != below.digest()) {
                picture.ownBelowDigest = below.digest();
                ownBelow[k].emplace(picture.key, below);
            }
        }
    }

    Migrated migrated;
    for (std::size_t k = 0; k < mods.size(); ++k) {
        InstalledMod &mod = mods[k];
        std::vector<PictureValue> ownPictures, belowPictures;
        for (RecordedPicture &picture : mod.pictures) {
            ownPictures.push_back(own[k].at(picture.key));
            if (!picture.ownBelowDigest.empty())
                belowPictures.push_back(ownBelow[k].at(picture.key));
            picture.belowFile.clear();
            picture.belowFileSha256.clear();
            picture.belowDigest.clear();
        }
        std::vector<std::uint8_t> file = ModRecord::encodePictures(ownPictures, belowPictures);
        mod.fileSha256 = Sha256::hex(file.data(), file.size());
        mod.enabled = true;
        migrated.files[mod.file()] = std::move(file);
    }
    migrated.mods = std::move(mods);
    return migrated;
}

} // namespace OlderRecord
