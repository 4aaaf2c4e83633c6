#include <map>

#include "game_file_error.h"
#include "game_originals.h"
#include "mod_contents_kinds.h"
#include "mod_manifest.h"

namespace ModContentsKinds {

namespace {

constexpr const char *PreviewFile = "preview.png";

PictureValue decoded(const ModContents &contents, const ModPicture &picture, const std::vector<std::uint8_t> &bytes,
                     const Catalogue &c, const PictureCodec &codec, DecodeBudget &budget)
{
    const std::string name = contents.source + ": " + picture.file();
    PictureValue value;
    value.key = {picture.font, picture.number};
    if (!PictureBytes::isPng(bytes))
        throw GameFileError(contents.source, Message(CORE_WORDING("CoreMessages", "%1 is not a PNG file, as its manifest says")).name(picture.file()));
    budget.take(contents.source, picture.file(), bytes);
    if (picture.font) {
        value.sheet = codec.decodeFont(name, bytes);
    } else {
        DecodedImage image = codec.decodeImage(name, bytes);
        if (image.Width != picture.width || image.Height != picture.height)
            throw GameFileError(contents.source, Message::joined(Message(CORE_WORDING("CoreMessages", "%1 is %2 x %3 pixels, but its manifest says %4 x %5"))
                                                                     .name(picture.file())
                                                                     .number(image.Width)
                                                                     .number(image.Height)
                                                                     .number(picture.width)
                                                                     .number(picture.height),
                                                                 CORE_WORDING("CoreMessages", "the package is damaged")));
        // The package carries pixels and size; the entry's opaque fields stay the game's.
        value.entry = c.ImageDetails[std::size_t(picture.number)];
        value.blocks = c.ImageBlocks[std::size_t(picture.number)];
        value.entry.Width = image.Width;
        value.entry.Height = image.Height;
        value.sizeOnly = true;
        value.byteCount = image.ByteCount;
        value.pixels = std::move(image.Pixels);
    }
    if (value.pixelDigest() != picture.sha256)
        throw GameFileError(contents.source, Message::joined(Message(CORE_WORDING("CoreMessages", "%1 does not hold the picture its manifest names (its SHA-256 differs)"))
                                                                 .name(picture.file()),
                                                             CORE_WORDING("CoreMessages", "the package is damaged")));
    value.knownPixelDigest = picture.sha256;
    return value;
}

} // namespace

void readPackage(ModContents &contents, const std::vector<ArchiveEntry> &files, const Catalogue &c, const PictureCodec &codec)
{
    std::map<std::string, const ArchiveEntry *> byName;
    for (const ArchiveEntry &file : files)
        byName[file.name] = &file;
    const ArchiveEntry &manifestFile = *byName.at(ModManifest::FileName);
    const ModManifest manifest = ModManifest::parse(
        contents.source, std::string_view(reinterpret_cast<const char *>(manifestFile.bytes.data()), manifestFile.bytes.size()));
    contents.name = manifest.name;
    contents.author = manifest.author;
    contents.description = manifest.description;
    contents.created = manifest.created;

    std::vector<std::string> otherOriginal;
    const GameOriginals originals(c);
    DecodeBudget budget;
    for (const ModPicture &picture : manifest.pictures) {
        if (!picture.font && !c.isImage(picture.number))
            throw GameFileError(contents.source, Message(CORE_WORDING("CoreMessages", "the package replaces image %1, but this game has images 1 to %2 only"))
                                                     .number(picture.number)
                                                     .number(c.ImageCount - 1));
        const auto found = byName.find(picture.file());
        if (found == byName.end())
            throw GameFileError(contents.source, Message::joined(Message(CORE_WORDING("CoreMessages", "the package lacks %1, which its manifest lists")).name(picture.file()),
                                                                 CORE_WORDING("CoreMessages", "the package is damaged")));
        PictureValue value = decoded(contents, picture, found->second->bytes, c, codec, budget);
        if (originals.pixelDigest(value.key) != picture.originalSha256)
            otherOriginal.push_back(picture.caption());
        contents.pictures.push_back(std::move(value));
        byName.erase(found);
    }
    byName.erase(ModManifest::FileName);
    byName.erase(PreviewFile);
    std::vector<std::string> unlisted;
    for (const auto &[name, file] : byName)
        unlisted.push_back(name);
    if (!otherOriginal.empty())
        contents.notes.push_back(listNote(CORE_WORDING("CoreMessages", "The package was made over other pictures than this game's originals: %1"), otherOriginal));
    if (!unlisted.empty())
        contents.notes.push_back(listNote(CORE_WORDING("CoreMessages", "Files its manifest does not list were left out: %1"), unlisted));
}

} // namespace ModContentsKinds
