#include <map>

#include "game_file_error.h"
#include "mod_contents_kinds.h"
#include "picture_names.h"

namespace ModContentsKinds {

void readPictures(ModContents &contents, const std::vector<ArchiveEntry> &files, const Catalogue &c, const PictureCodec &codec)
{
    // Matched by the file's name alone, wherever it lies, as a folder import matches them.
    std::map<PictureKey, const ArchiveEntry *> matched;
    std::vector<std::string> leftOut;
    for (const ArchiveEntry &file : files) {
        const std::string name = fileNameOf(file.name);
        const int n = PictureNames::imageNumber(name);
        const int font = PictureNames::fontNumber(name);
        const PictureKey key = c.isImage(n) ? PictureKey{false, n} : PictureKey{true, font};
        if (!c.isImage(n) && font < 0) {
            leftOut.push_back(file.name);
            continue;
        }
        const auto [at, added] = matched.emplace(key, &file);
        if (!added)
            throw GameFileError(contents.source, Message::joined(Message(CORE_WORDING("CoreMessages", "\"%1\" and \"%2\" both name %3"))
                                                                     .name(at->second->name)
                                                                     .name(file.name)
                                                                     .name(key.caption()),
                                                                 CORE_WORDING("CoreMessages", "Tessary can't tell which of them the mod means")));
    }
    DecodeBudget budget;
    for (const auto &[key, file] : matched) {
        const std::string name = contents.source + ": " + file->name;
        budget.take(contents.source, file->name, file->bytes);
        PictureValue value;
        value.key = key;
        if (key.font) {
            value.sheet = PictureBytes::font(codec, name, file->bytes);
        } else {
            DecodedImage image = PictureBytes::image(codec, name, file->bytes);
            value.entry = c.ImageDetails[std::size_t(key.number)];
            value.blocks = c.ImageBlocks[std::size_t(key.number)];
            value.entry.Width = image.Width;
            value.entry.Height = image.Height;
            value.sizeOnly = true;
            value.byteCount = image.ByteCount;
            value.pixels = std::move(image.Pixels);
        }
        contents.pictures.push_back(std::move(value));
    }
    if (!leftOut.empty())
        contents.notes.push_back(listNote(CORE_WORDING("CoreMessages", "Files that name no menu image or font sheet of this game were left out: %1"), leftOut));
}

} // namespace ModContentsKinds
