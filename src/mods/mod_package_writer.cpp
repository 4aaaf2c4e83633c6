#include "mod_package_writer.h"

#include <optional>

#include "contact_sheet.h"
#include "game_file_error.h"
#include "game_originals.h"
#include "sha256.h"
#include "zip_writer.h"

namespace {

// The picture's original when it differs from what the catalogue holds (in pixels or size).
std::optional<PictureValue> originalIfChanged(const Catalogue &c, const GameOriginals &originals, PictureKey key)
{
    const auto slot = std::size_t(key.number);
    if (key.font) {
        if (!originals.kept(key) && !c.fontChanged(key.number))
            return std::nullopt; // the game folder's file is the original, and so is the sheet
        PictureValue original = originals.picture(key);
        return original.sheet == c.FontBitmaps[slot] ? std::nullopt : std::optional(std::move(original));
    }
    const TGPHDetails *entry = originals.entry(key.number);
    const TGPHDetails &now = c.ImageDetails[slot];
    const bool sameSize = entry && entry->Width == now.Width && entry->Height == now.Height;
    if (!originals.kept(key) && !c.imageChanged(key.number) && sameSize)
        return std::nullopt;
    PictureValue original = originals.picture(key);
    const PictureValue current = PictureValues::current(c, key);
    const bool samePixels = original.byteCount == current.byteCount && original.pixelDigest() == current.pixelDigest();
    return samePixels && sameSize ? std::nullopt : std::optional(std::move(original));
}

void requireWholePicture(const Catalogue &c, int n)
{
    const TGPHDetails &d = c.ImageDetails[std::size_t(n)];
    const std::int64_t bytes = std::int64_t(d.Width) * d.Height * 4;
    if (d.Width <= 0 || d.Height <= 0 || c.ImageSizes[std::size_t(n)] != bytes)
        throw GameFileError(c.GP4Path, "image " + std::to_string(n) + " (" + std::to_string(d.Width) + " x " + std::to_string(d.Height)
                                           + " pixels) holds " + std::to_string(c.ImageSizes[std::size_t(n)])
                                           + " bytes, not a whole picture, which a mod package can't hold; no package was written");
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
    std::string problem;
    if (details.name.empty())
        problem = "a mod package needs a name";
    else if (details.name.size() > 200 || details.author.size() > 200)
        problem = "a mod package's name and author are at most 200 bytes long";
    else if (details.description.size() > 4000)
        problem = "a mod package's description is at most 4000 bytes long";
    else if (!plain(details.name, false) || !plain(details.author, false) || !plain(details.description, true))
        problem = "a mod package's name, author and description can't hold control characters";
    if (!problem.empty())
        throw GameFileError(c.GP4Path, problem + "; no package was written");
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
    std::vector<PictureValue> changed;
    for (std::size_t k = 0; k < keys.size(); ++k) {
        if (progress)
            progress(int(k), int(keys.size()));
        const PictureKey key = keys[k];
        const std::optional<PictureValue> original = originalIfChanged(c, originals, key);
        if (!original)
            continue;
        if (!key.font)
            requireWholePicture(c, key.number);
        PictureValue value = PictureValues::current(c, key);
        ModPicture picture{key.font, key.number, key.font ? FontSheetSide : value.entry.Width,
                           key.font ? FontSheetSide : value.entry.Height, value.pixelDigest(), original->pixelDigest()};
        files.push_back({picture.file(), key.font ? codec.encodeFont(value.sheet)
                                                  : codec.encodeImage(picture.width, picture.height, value.pixels.data())});
        packed.manifest.pictures.push_back(std::move(picture));
        changed.push_back(std::move(value));
    }
    if (progress)
        progress(int(keys.size()), int(keys.size()));
    if (changed.empty())
        throw GameFileError(c.GP4Path, "every picture is the game's original, so there is nothing to put in a mod package");

    std::vector<const PictureValue *> shown;
    for (const PictureValue &value : changed)
        shown.push_back(&value);
    const DecodedImage sheet = ContactSheet::make(shown);
    const std::string manifest = packed.manifest.toJson();
    files.insert(files.begin(), {{ModManifest::FileName, std::vector<std::uint8_t>(manifest.begin(), manifest.end())},
                                 {"preview.png", codec.encodeImage(sheet.Width, sheet.Height, sheet.Pixels.data())}});
    // Pictures are PNG already: storing them keeps packing as fast as exporting.
    packed.zip = ZipWriter::write(files, ZipWriter::Compression::Stored);
    return packed;
}

} // namespace ModPackageWriter
