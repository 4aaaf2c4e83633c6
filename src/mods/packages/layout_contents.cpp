#include <algorithm>
#include <cstring>
#include <map>
#include <optional>

#include "font_file.h"
#include "game_file_error.h"
#include "game_originals.h"
#include "index_file.h"
#include "mod_contents_kinds.h"
#include "utf8_text.h"

namespace ModContentsKinds {

namespace {

const std::string GameData = "menudata/pc/gp2001/";

// A game file found in a mod: the folder it lies in (the mod's data folder) and which file it is.
struct GameFileIn {
    std::string root;     // as named in the mod, up to and with the last '/'; "" for the top
    std::string relative; // "gp2001.gph", "images/<n>.gpi" or "fonts/<name>", letters folded
};

bool startsPart(const std::string &folded, std::size_t at)
{
    return at == 0 || folded[at - 1] == '/';
}

std::optional<GameFileIn> gameFileIn(const std::string &name)
{
    const std::string folded = Utf8Text::foldedCase(name);
    for (std::size_t at = folded.find(GameData); at != std::string::npos; at = folded.find(GameData, at + 1))
        if (startsPart(folded, at))
            return GameFileIn{name.substr(0, at + GameData.size()), folded.substr(at + GameData.size())};
    const std::string file = fileNameOf(folded);
    const std::string folder = folded.substr(0, folded.size() - file.size());
    if (file == "gp2001.gph")
        return GameFileIn{name.substr(0, folder.size()), file};
    for (const std::string kind : {"images/", "fonts/"}) {
        const std::string ending = kind == "images/" ? ".gpi" : ".gpf";
        if (folder.size() >= kind.size() && folder.compare(folder.size() - kind.size(), kind.size(), kind) == 0
            && startsPart(folded, folder.size() - kind.size()) && file.size() > 4 && file.compare(file.size() - 4, 4, ending) == 0)
            return GameFileIn{name.substr(0, folder.size() - kind.size()), kind + file};
    }
    return std::nullopt;
}

bool isTessarysOwn(const std::string &name)
{
    std::string folded(1, '/');
    folded += Utf8Text::foldedCase(name);
    return folded.find("/tessary-originals/") != std::string::npos || folded.find("/tessary-mods/") != std::string::npos;
}

int imageNumberOf(const std::string &relative)
{
    // "images/<n>.gpi", n as the game names its files: decimal, no leading zero.
    const std::string digits = relative.substr(7, relative.size() - 11);
    if (digits.empty() || digits.size() > 9 || digits[0] == '0'
        || !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return 0;
    return std::stoi(digits);
}

int fontNumberOf(const std::string &relative)
{
    for (int i = 0; i < FontCount; ++i)
        if (relative == "fonts/" + Utf8Text::foldedCase(FontNames[std::size_t(i)]))
            return i;
    return -1;
}

Message sizeText(const TGPHDetails &entry)
{
    return Message(CORE_WORDING("CoreMessages", "%1 x %2 pixels")).number(entry.Width).number(entry.Height);
}

// The entry an image's bytes are checked against and taken with: the mod's index when it
// ships one, else the game's.
PictureValue imageValue(const ModContents &contents, int n, const ArchiveEntry &file, const Catalogue *shipped, const Catalogue &c)
{
    PictureValue value;
    value.key = {false, n};
    const Catalogue &from = shipped ? *shipped : c;
    value.entry = from.ImageDetails[std::size_t(n)];
    value.blocks = from.ImageBlocks[std::size_t(n)];
    value.sizeOnly = !shipped; // without an index of its own the mod keeps the entry it lies on
    const std::int64_t expected = std::int64_t(value.entry.Width) * value.entry.Height * 4;
    if (value.entry.Width < 0 || value.entry.Height < 0 || std::int64_t(file.bytes.size()) != expected)
        throw GameFileError(contents.source, Message(shipped ? CORE_WORDING("CoreMessages", "%1 holds %2 bytes, but its entry in the mod's Gp2001.gph says %3 (%4 bytes)")
                                                     : CORE_WORDING("CoreMessages", "%1 holds %2 bytes, but its entry in the game's index (the mod ships none) says %3 (%4 bytes)"))
                                                 .name(file.name)
                                                 .number(static_cast<long long>(file.bytes.size()))
                                                 .nested(sizeText(value.entry))
                                                 .number(std::max<std::int64_t>(expected, 0)));
    value.byteCount = std::int32_t(file.bytes.size());
    value.pixels.assign(pixelElementsFor(file.bytes.size()), 0);
    if (!file.bytes.empty())
        std::memcpy(value.pixels.data(), file.bytes.data(), file.bytes.size());
    return value;
}

} // namespace

bool holdsGameLayout(const std::vector<ArchiveEntry> &files)
{
    return std::any_of(files.begin(), files.end(), [](const ArchiveEntry &file) { return !isTessarysOwn(file.name) && gameFileIn(file.name); });
}

void readGameLayout(ModContents &contents, const std::vector<ArchiveEntry> &files, const Catalogue &c)
{
    std::optional<std::string> root;
    const ArchiveEntry *index = nullptr;
    std::map<int, const ArchiveEntry *> images;
    std::map<int, const ArchiveEntry *> fonts;
    std::vector<std::string> leftOut;
    for (const ArchiveEntry &file : files) {
        const std::optional<GameFileIn> found = isTessarysOwn(file.name) ? std::nullopt : gameFileIn(file.name);
        if (!found) {
            leftOut.push_back(file.name);
            continue;
        }
        if (root && Utf8Text::foldedCase(*root) != Utf8Text::foldedCase(found->root))
            throw GameFileError(contents.source, Message::joined(Message(CORE_WORDING("CoreMessages", "holds game files in two folders, \"%1\" and \"%2\""))
                                                                     .name(root->empty() ? std::string("/") : *root)
                                                                     .name(found->root.empty() ? std::string("/") : found->root),
                                                                 CORE_WORDING("CoreMessages", "Tessary can't tell which of them the mod means")));
        root = found->root;
        const int n = found->relative == "gp2001.gph" ? 0 : found->relative.starts_with("images/") ? imageNumberOf(found->relative) : -1;
        const int font = found->relative.starts_with("fonts/") ? fontNumberOf(found->relative) : -1;
        if (found->relative == "gp2001.gph")
            index = &file;
        else if (n > 0)
            images[n] = &file;
        else if (font >= 0)
            fonts[font] = &file;
        else
            leftOut.push_back(file.name);
    }

    std::optional<Catalogue> shipped;
    if (index) {
        shipped.emplace();
        IndexFile::parse(contents.source + ": " + index->name, index->bytes.data(), index->bytes.size(), *shipped);
    }
    for (const auto &[n, file] : images) {
        if (!c.isImage(n))
            throw GameFileError(contents.source, Message(CORE_WORDING("CoreMessages", "%1 is image %2, but this game has images 1 to %3 only"))
                                                     .name(file->name)
                                                     .number(n)
                                                     .number(c.ImageCount - 1));
        // An index made for another count of images is taken only where it covers the mod's images.
        if (shipped && n >= shipped->ImageCount)
            throw GameFileError(contents.source, Message(CORE_WORDING("CoreMessages", "the mod's Gp2001.gph lists %1 images, this game's index %2, and it has no entry for %3"))
                                                     .number(std::max(shipped->ImageCount - 1, 0))
                                                     .number(c.ImageCount - 1)
                                                     .name(file->name));
        contents.pictures.push_back(imageValue(contents, n, *file, shipped ? &*shipped : nullptr, c));
    }
    std::vector<std::string> otherHeader;
    for (const auto &[i, file] : fonts) {
        PictureValue value;
        value.key = {true, i};
        TGPFDetails details;
        FontFile::parse(contents.source + ": " + file->name, file->bytes.data(), file->bytes.size(), details, value.sheet);
        const TGPFDetails &game = c.FontDetails[std::size_t(i)];
        if (details.TableCount != game.TableCount || details.HeaderWord != game.HeaderWord || details.HeaderIntA != game.HeaderIntA
            || details.HeaderIntB != game.HeaderIntB || details.Table != game.Table)
            otherHeader.push_back(file->name);
        contents.pictures.push_back(std::move(value));
    }

    if (shipped) {
        // Entries of images the mod does not ship are the game's business, not the mod's.
        const GameOriginals originals(c);
        std::vector<std::string> differing;
        for (int n = 1; n < shipped->ImageCount; ++n) {
            const TGPHDetails *original = originals.entry(n);
            if (!images.count(n) && original && *original != shipped->ImageDetails[std::size_t(n)])
                differing.push_back(std::to_string(n) + ".gpi");
        }
        if (!differing.empty())
            contents.notes.push_back(Message(CORE_WORDING("CoreMessages", "%1: %2"))
                                         .nested(Message::joined(CORE_WORDING("CoreMessages", "The mod's Gp2001.gph also changes the entries of images it does not ship"),
                                                                 CORE_WORDING("CoreMessages", "Tessary leaves them as they are")))
                                         .nested(Message::list(differing, 10)));
    }
    if (!otherHeader.empty())
        contents.notes.push_back(listNote(CORE_WORDING("CoreMessages", "Font files with another header or table than the game's: only their pictures are taken: %1"), otherHeader));
    if (!leftOut.empty())
        contents.notes.push_back(listNote(CORE_WORDING("CoreMessages", "Files that are no game file were left out: %1"), leftOut));
}

} // namespace ModContentsKinds
