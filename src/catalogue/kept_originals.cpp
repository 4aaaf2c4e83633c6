#include "kept_originals.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

#include "catalogue.h"
#include "file_ops.h"
#include "folder_lock.h"
#include "font_file.h"
#include "game_file_error.h"
#include "game_paths.h"
#include "index_file.h"

namespace KeptOriginals {

namespace {

using Size = std::pair<std::int32_t, std::int32_t>;

// An image's whole index entry.
struct Entry {
    TGPHDetails details;
    std::vector<TGPHBlock> blocks;
    Size size() const { return {details.Width, details.Height}; }
};

// An image as the game shipped it.
struct OriginalImage {
    Entry entry;
    std::int32_t byteCount = 0;
    PixelBuffer pixels;
};

void requireImage(const Catalogue &c, int n)
{
    if (!c.isImage(n) || std::size_t(n) >= c.ImageDetails.size() || std::size_t(n) >= c.ImageSizes.size()
        || std::size_t(n) >= c.ImagePixels.size())
        throw GameFileError(GamePaths::image(c.GP4Path, n), Message(CORE_WORDING("CoreMessages", "there is no menu image number %1")).number(n));
}

void requireFont(const Catalogue &c, int i)
{
    if (i < 0 || i >= FontCount || std::size_t(i) >= c.FontBitmaps.size())
        throw GameFileError(c.GP4Path, Message(CORE_WORDING("CoreMessages", "there is no font number %1")).number(i));
}

// True when anything has the name of relative's kept original, or of a folder on the way to it.
bool kept(const std::string &gp4Path, const std::string &relative)
{
    const std::string folder = GamePaths::folderOf(relative);
    return FileOps::exists(GamePaths::original(gp4Path, relative)) || FileOps::isLink(GamePaths::originals(gp4Path))
        || (!folder.empty() && FileOps::isLink(GamePaths::original(gp4Path, folder)));
}

// The kept original of relative, read whole. Kept originals lie in Tessary's own folder of a game
// folder that may have been crafted: a link there, on the file or on a folder, is refused.
std::vector<std::uint8_t> readKept(const std::string &gp4Path, const std::string &relative)
{
    const std::string folder = GamePaths::folderOf(relative);
    for (const std::string &on : {GamePaths::originals(gp4Path), folder.empty() ? std::string() : GamePaths::original(gp4Path, folder)})
        if (!on.empty() && FileOps::isLink(on))
            throw GameFileError(on, FailureText::IsLink);
    return FileOps::readWhole(GamePaths::original(gp4Path, relative), FileOps::InputFile::Links::Refuse);
}

// The game's original index: the kept one, parsed; null when the index was never replaced.
std::optional<Catalogue> keptIndex(const std::string &gp4Path)
{
    if (!kept(gp4Path, GamePaths::relativeIndex()))
        return std::nullopt;
    const std::vector<std::uint8_t> bytes = readKept(gp4Path, GamePaths::relativeIndex());
    std::optional<Catalogue> original(std::in_place);
    IndexFile::parse(GamePaths::original(gp4Path, GamePaths::relativeIndex()), bytes.data(), bytes.size(), *original);
    return original;
}

// Image n's whole entry in the game's original index: the kept one when the index was
// replaced, else the game folder's index as loaded (or last written).
Entry originalEntry(const Catalogue &c, int n)
{
    const std::optional<Catalogue> original = keptIndex(c.GP4Path);
    if (original && n < original->ImageCount && std::size_t(n) < original->ImageDetails.size())
        return {original->ImageDetails[std::size_t(n)], original->ImageBlocks[std::size_t(n)]};
    auto [details, blocks] = c.entryOnDisk(n);
    return {details, std::move(blocks)};
}

OriginalImage imageFrom(const std::string &path, const std::vector<std::uint8_t> &bytes, Entry entry)
{
    if (bytes.size() > std::size_t(std::numeric_limits<std::int32_t>::max()))
        throw GameFileError(path, Message(CORE_WORDING("CoreMessages", "the image file holds %1 bytes, more than an image can hold")).number(static_cast<long long>(bytes.size())));
    OriginalImage image{std::move(entry), std::int32_t(bytes.size()), PixelBuffer(pixelElementsFor(bytes.size()), 0)};
    if (!bytes.empty())
        std::memcpy(image.pixels.data(), bytes.data(), bytes.size());
    return image;
}

// Image n as the game shipped it: its kept original, or the game folder's file when none is kept.
OriginalImage readOriginalImage(const Catalogue &c, int n)
{
    Entry entry = originalEntry(c, n);
    const Size size = entry.size();
    const std::string relative = GamePaths::relativeImage(n);
    if (!kept(c.GP4Path, relative))
        return imageFrom(GamePaths::image(c.GP4Path, n), FileOps::readWhole(GamePaths::image(c.GP4Path, n)), std::move(entry));
    // A kept original was written by the game's installer with exactly the size its entry gives.
    const std::string path = GamePaths::original(c.GP4Path, relative);
    const std::vector<std::uint8_t> bytes = readKept(c.GP4Path, relative);
    const std::uint64_t expected = std::uint64_t(std::max(size.first, 0)) * std::uint64_t(std::max(size.second, 0)) * 4;
    if (bytes.size() != expected)
        throw GameFileError(path, Message::joined(Message(CORE_WORDING("CoreMessages", "the kept original holds %1 bytes, but the game's index gives image %2 %3 \u00d7 %4 pixels (%5 bytes)"))
                                                      .number(static_cast<long long>(bytes.size()))
                                                      .number(n)
                                                      .number(size.first)
                                                      .number(size.second)
                                                      .number(static_cast<long long>(expected)),
                                                  CORE_WORDING("CoreMessages", "Tessary does not restore it")));
    return imageFrom(path, bytes, std::move(entry));
}

bool holds(const Catalogue &c, int n, const OriginalImage &image)
{
    const auto slot = std::size_t(n);
    return c.ImageDetails[slot] == image.entry.details && c.ImageBlocks[slot] == image.entry.blocks && c.ImageSizes[slot] == image.byteCount
        && c.ImagePixels[slot].size() >= image.pixels.size()
        && std::memcmp(c.ImagePixels[slot].data(), image.pixels.data(), std::size_t(image.byteCount)) == 0;
}

bool sameBytes(const std::vector<std::uint8_t> &bytes, const OriginalImage &image)
{
    return bytes.size() == std::size_t(image.byteCount)
        && (bytes.empty() || std::memcmp(bytes.data(), image.pixels.data(), bytes.size()) == 0);
}

FontSheet sheetFrom(const std::string &path, const std::vector<std::uint8_t> &bytes)
{
    TGPFDetails details;
    FontSheet sheet;
    FontFile::parse(path, bytes.data(), bytes.size(), details, sheet);
    return sheet;
}

} // namespace

bool holdsImage(const std::string &gp4Path, int n) { return kept(gp4Path, GamePaths::relativeImage(n)); }

std::vector<int> imagesWithOtherEntries(const Catalogue &c)
{
    const FolderLock lock(c.GP4Path, FolderLock::Mode::Read);
    const std::optional<Catalogue> original = keptIndex(c.GP4Path);
    std::vector<int> found;
    if (!original)
        return found;
    for (int n = 1; n < c.ImageCount && n < original->ImageCount; ++n)
        if (!c.entryOnDiskIs(n, original->ImageDetails[std::size_t(n)], original->ImageBlocks[std::size_t(n)]))
            found.push_back(n);
    return found;
}

bool holdsFont(const std::string &gp4Path, int i)
{
    return i >= 0 && i < FontCount && kept(gp4Path, GamePaths::relativeFont(i));
}

bool imageDiffers(const Catalogue &c, int n)
{
    requireImage(c, n);
    const FolderLock lock(c.GP4Path, FolderLock::Mode::Read);
    if (!holdsImage(c.GP4Path, n) && !c.imageChanged(n)) {
        const Entry original = originalEntry(c, n);
        return c.ImageDetails[std::size_t(n)] != original.details || c.ImageBlocks[std::size_t(n)] != original.blocks;
    }
    return !holds(c, n, readOriginalImage(c, n));
}

bool fontDiffers(const Catalogue &c, int i)
{
    requireFont(c, i);
    const FolderLock lock(c.GP4Path, FolderLock::Mode::Read);
    if (!holdsFont(c.GP4Path, i) && !c.fontChanged(i))
        return false;
    const std::string relative = GamePaths::relativeFont(i);
    const FontSheet original = holdsFont(c.GP4Path, i)
        ? sheetFrom(GamePaths::original(c.GP4Path, relative), readKept(c.GP4Path, relative))
        : sheetFrom(GamePaths::font(c.GP4Path, i), FileOps::readWhole(GamePaths::font(c.GP4Path, i)));
    return original != c.FontBitmaps[std::size_t(i)];
}

bool revertImage(Catalogue &c, int n)
{
    requireImage(c, n);
    const FolderLock lock(c.GP4Path, FolderLock::Mode::Read);
    const bool wasChanged = c.imageChanged(n) || !c.entryOnDiskIs(n, c.ImageDetails[std::size_t(n)], c.ImageBlocks[std::size_t(n)]);
    c.revertImage(n);
    return wasChanged;
}

bool revertFont(Catalogue &c, int i)
{
    requireFont(c, i);
    const FolderLock lock(c.GP4Path, FolderLock::Mode::Read);
    const bool wasChanged = c.fontChanged(i);
    c.revertFont(i);
    return wasChanged;
}

bool restoreImage(Catalogue &c, int n)
{
    requireImage(c, n);
    OriginalImage original;
    bool gameFileIsOriginal = false;
    {
        const FolderLock lock(c.GP4Path, FolderLock::Mode::Read);
        const bool keptImage = holdsImage(c.GP4Path, n);
        const std::string gameFile = GamePaths::image(c.GP4Path, n);
        original = readOriginalImage(c, n);
        gameFileIsOriginal = c.entryOnDiskIs(n, original.entry.details, original.entry.blocks)
            && (!keptImage || sameBytes(FileOps::readWhole(gameFile), original));
    }
    // Where the game folder holds the original, restoring is reverting: the change mark goes too.
    if (gameFileIsOriginal)
        return revertImage(c, n);
    // The whole original entry comes back, its opaque fields too, not only its size.
    const bool entry = c.replaceIndexEntry(n, original.entry.details, original.entry.blocks);
    const Size size = original.entry.size();
    const bool picture = c.replaceImage(n, size.first, size.second, original.byteCount, std::move(original.pixels));
    return entry || picture;
}

bool restoreFont(Catalogue &c, int i)
{
    requireFont(c, i);
    const std::string relative = GamePaths::relativeFont(i);
    std::optional<FontSheet> sheet;
    {
        const FolderLock lock(c.GP4Path, FolderLock::Mode::Read);
        if (holdsFont(c.GP4Path, i)) {
            // Checked as a font file even when it matches the game folder's: a damaged one is named.
            const std::vector<std::uint8_t> keptBytes = readKept(c.GP4Path, relative);
            const FontSheet keptSheet = sheetFrom(GamePaths::original(c.GP4Path, relative), keptBytes);
            if (keptBytes != FileOps::readWhole(GamePaths::font(c.GP4Path, i)))
                sheet = keptSheet;
        }
    }
    if (!sheet)
        return revertFont(c, i);
    return c.replaceFontSheet(i, std::move(*sheet));
}

} // namespace KeptOriginals
