#include "mod_package_writer.h"

#include <algorithm>
#include <optional>

#include "contact_sheet.h"
#include "game_file_error.h"
#include "game_originals.h"
#include "sha256.h"
#include "zip_writer.h"

namespace {

// The digests of a picture that differs from the game's original (in pixels or size).
struct Difference {
    std::string pixels;
    std::string original;
};

std::optional<Difference> differenceOf(const Catalogue &c, const GameOriginals &originals, PictureKey key)
{
    const auto slot = std::size_t(key.number);
    bool sameSize = true;
    if (!key.font) {
        const TGPHDetails *entry = originals.entry(key.number);
        sameSize = entry && entry->Width == c.ImageDetails[slot].Width && entry->Height == c.ImageDetails[slot].Height;
    }
    const bool changed = key.font ? c.fontChanged(key.number) : c.imageChanged(key.number);
    if (!originals.kept(key) && !changed && sameSize)
        return std::nullopt; // the game folder's own file, as loaded
    Difference difference{PictureValues::currentPixelDigest(c, key), originals.pixelDigest(key)};
    if (sameSize && difference.pixels == difference.original)
        return std::nullopt;
    return difference;
}

void requireWholePicture(const Catalogue &c, int n)
{
    const TGPHDetails &d = c.ImageDetails[std::size_t(n)];
    const std::int64_t bytes = std::int64_t(d.Width) * d.Height * 4;
    if (d.Width <= 0 || d.Height <= 0 || c.ImageSizes[std::size_t(n)] != bytes)
        throw GameFileError(c.GP4Path, Message::joined(Message(CORE_WORDING("CoreMessages", "image %1 (%2 x %3 pixels) holds %4 bytes, not a whole picture, which a mod package can't hold"))
                                                           .number(n)
                                                           .number(d.Width)
                                                           .number(d.Height)
                                                           .number(c.ImageSizes[std::size_t(n)]),
                                                       CORE_WORDING("CoreMessages", "no package was written")));
}

// What the manifest reader takes, checked before anything is made.
void requireDetails(const Catalogue &c, const PackDetails &details)
{
    auto plain = [](const std::string &text, bool lines) {
        for (const char ch : text)
            if ((static_cast<unsigned char>(ch) < 0x20 && !(lines && (ch == '\n' || ch == '\t'))) || ch == 0x7F)
                return false;
        return true;
    };
    const char *problem = nullptr;
    if (details.name.empty())
        problem = CORE_WORDING("CoreMessages", "a mod package needs a name");
    else if (details.name.size() > 200 || details.author.size() > 200)
        problem = CORE_WORDING("CoreMessages", "a mod package's name and author are at most 200 bytes long");
    else if (details.description.size() > 4000)
        problem = CORE_WORDING("CoreMessages", "a mod package's description is at most 4000 bytes long");
    else if (!plain(details.name, false) || !plain(details.author, false) || !plain(details.description, true))
        problem = CORE_WORDING("CoreMessages", "a mod package's name, author and description can't hold control characters");
    if (problem)
        throw GameFileError(c.GP4Path, Message::joined(problem, CORE_WORDING("CoreMessages", "no package was written")));
}

} // namespace

namespace ModPackageWriter {

PackedMod pack(const Catalogue &c, const PackDetails &details, const PictureCodec &codec,
               const std::function<void(int done, int total)> &progress)
{
    requireDetails(c, details);
    const GameOriginals originals(c);
    std::vector<PictureKey> keys;
    for (int n = 1; n < c.ImageCount; ++n)
        keys.push_back({false, n});
    for (int i = 0; i < FontCount; ++i)
        keys.push_back({true, i});

    PackedMod packed;
    packed.manifest.name = details.name;
    packed.manifest.author = details.author;
    packed.manifest.description = details.description;
    packed.manifest.created = ModManifest::utcText(details.created);
    std::vector<ArchiveEntry> files;
    std::vector<PictureKey> changed;
    for (std::size_t k = 0; k < keys.size(); ++k) {
        if (progress)
            progress(int(k), int(keys.size()));
        const PictureKey key = keys[k];
        const std::optional<Difference> difference = differenceOf(c, originals, key);
        if (!difference)
            continue;
        // Another's work goes in only at the user's word, credited to its mod.
        const auto fromMod = std::find_if(details.modPictures.begin(), details.modPictures.end(),
                                          [key](const PackModPicture &picture) { return picture.key == key; });
        if (fromMod != details.modPictures.end() && !details.includeMods) {
            packed.leftOut.push_back(*fromMod);
            continue;
        }
        if (!key.font)
            requireWholePicture(c, key.number);
        const auto slot = std::size_t(key.number);
        ModPicture picture{key.font, key.number, key.font ? FontSheetSide : c.ImageDetails[slot].Width,
                           key.font ? FontSheetSide : c.ImageDetails[slot].Height, difference->pixels, difference->original, {}, {}};
        if (fromMod != details.modPictures.end()) {
            picture.fromMod = fromMod->mod;
            picture.fromModAuthor = fromMod->author;
        }
        files.push_back({picture.file(), key.font ? codec.encodeFont(c.FontBitmaps[slot])
                                                  : codec.encodeImage(picture.width, picture.height, c.ImagePixels[slot].data())});
        packed.manifest.pictures.push_back(std::move(picture));
        changed.push_back(key);
    }
    if (progress)
        progress(int(keys.size()), int(keys.size()));
    if (changed.empty() && !packed.leftOut.empty())
        throw GameFileError(c.GP4Path, Message(CORE_COUNTED_WORDING("CoreMessages", "every picture that differs from the game's original is one an installed mod set (%n), and a package holds only your own changes unless you include the mods' pictures"))
                                           .count(static_cast<long long>(packed.leftOut.size()),
                                                  "every picture that differs from the game's original is one an installed mod set (1), and a package holds only your own changes unless you include the mods' pictures"));
    if (changed.empty())
        throw GameFileError(c.GP4Path, CORE_WORDING("CoreMessages", "every picture is the game's original, so there is nothing to put in a mod package"));

    const DecodedImage sheet = ContactSheet::make(c, changed);
    const std::string manifest = packed.manifest.toJson();
    files.insert(files.begin(), {{ModManifest::FileName, std::vector<std::uint8_t>(manifest.begin(), manifest.end())},
                                 {"preview.png", codec.encodeImage(sheet.Width, sheet.Height, sheet.Pixels.data())}});
    // Pictures are PNG already: storing them keeps packing as fast as exporting.
    packed.zip = ZipWriter::write(files, ZipWriter::Compression::Stored);
    return packed;
}

} // namespace ModPackageWriter
