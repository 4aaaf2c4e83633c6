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

// An image as the game shipped it.
struct OriginalImage {
    Size size;
    std::int32_t byteCount = 0;
    PixelBuffer pixels;
};

void requireImage(const Catalogue &c, int n)
{
    if (!c.isImage(n) || std::size_t(n) >= c.ImageDetails.size() || std::size_t(n) >= c.ImageSizes.size()
        || std::size_t(n) >= c.ImagePixels.size())
        throw GameFileError(GamePaths::image(c.GP4Path, n), "there is no menu image number " + std::to_string(n));
}

void requireFont(const Catalogue &c, int i)
{
    if (i < 0 || i >= FontCount || std::size_t(i) >= c.FontBitmaps.size())
        throw GameFileError(c.GP4Path, "there is no font number " + std::to_string(i));
}

bool kept(const std::string &gp4Path, const std::string &relative)
{
    return FileOps::isFile(GamePaths::original(gp4Path, relative));
}

// Image n's width and height in the game's original index: the kept one when the index was
// replaced, else the game folder's index as loaded.
Size originalSize(const Catalogue &c, int n)
{
    const std::string index = GamePaths::original(c.GP4Path, GamePaths::relativeIndex());
    if (!FileOps::isFile(index))
        return c.sizeOnDisk(n);
    const std::vector<std::uint8_t> bytes = FileOps::readWhole(index);
    Catalogue original;
    IndexFile::parse(index, bytes.data(), bytes.size(), original);
    if (n >= original.ImageCount || std::size_t(n) >= original.ImageDetails.size())
        return c.sizeOnDisk(n);
    return {original.ImageDetails[std::size_t(n)].Width, original.ImageDetails[std::size_t(n)].Height};
}

OriginalImage readImageFile(const std::string &path, Size size)
{
    const std::vector<std::uint8_t> bytes = FileOps::readWhole(path);
    if (bytes.size() > std::size_t(std::numeric_limits<std::int32_t>::max()))
        throw GameFileError(path, "the image file holds " + std::to_string(bytes.size()) + " bytes, more than an image can hold");
    OriginalImage image{size, std::int32_t(bytes.size()), PixelBuffer(pixelElementsFor(bytes.size()), 0)};
    if (!bytes.empty())
        std::memcpy(image.pixels.data(), bytes.data(), bytes.size());
    return image;
}

bool holds(const Catalogue &c, int n, const OriginalImage &image)
{
    const auto slot = std::size_t(n);
    return Size{c.ImageDetails[slot].Width, c.ImageDetails[slot].Height} == image.size && c.ImageSizes[slot] == image.byteCount
        && c.ImagePixels[slot].size() >= image.pixels.size()
        && std::memcmp(c.ImagePixels[slot].data(), image.pixels.data(), std::size_t(image.byteCount)) == 0;
}

bool sameBytes(const std::vector<std::uint8_t> &bytes, const OriginalImage &image)
{
    return bytes.size() == std::size_t(image.byteCount)
        && (bytes.empty() || std::memcmp(bytes.data(), image.pixels.data(), bytes.size()) == 0);
}

FontSheet readSheet(const std::string &path)
{
    const std::vector<std::uint8_t> bytes = FileOps::readWhole(path);
    TGPFDetails details;
    FontSheet sheet;
    FontFile::parse(path, bytes.data(), bytes.size(), details, sheet);
    return sheet;
}

} // namespace

bool holdsImage(const std::string &gp4Path, int n) { return kept(gp4Path, GamePaths::relativeImage(n)); }

bool holdsFont(const std::string &gp4Path, int i)
{
    return i >= 0 && i < FontCount && kept(gp4Path, GamePaths::relativeFont(i));
}

bool imageDiffers(const Catalogue &c, int n)
{
    requireImage(c, n);
    const FolderLock lock(c.GP4Path, FolderLock::Mode::Read);
    const Size size = originalSize(c, n);
    if (!holdsImage(c.GP4Path, n) && !c.imageChanged(n))
        return Size{c.ImageDetails[std::size_t(n)].Width, c.ImageDetails[std::size_t(n)].Height} != size;
    const std::string file = holdsImage(c.GP4Path, n) ? GamePaths::original(c.GP4Path, GamePaths::relativeImage(n))
                                                      : GamePaths::image(c.GP4Path, n);
    return !holds(c, n, readImageFile(file, size));
}

bool fontDiffers(const Catalogue &c, int i)
{
    requireFont(c, i);
    const FolderLock lock(c.GP4Path, FolderLock::Mode::Read);
    if (!holdsFont(c.GP4Path, i) && !c.fontChanged(i))
        return false;
    const std::string file = holdsFont(c.GP4Path, i) ? GamePaths::original(c.GP4Path, GamePaths::relativeFont(i))
                                                     : GamePaths::font(c.GP4Path, i);
    return readSheet(file) != c.FontBitmaps[std::size_t(i)];
}

bool revertImage(Catalogue &c, int n)
{
    requireImage(c, n);
    const FolderLock lock(c.GP4Path, FolderLock::Mode::Read);
    const bool wasChanged = c.imageChanged(n) || c.sizeOnDisk(n) != Size{c.ImageDetails[std::size_t(n)].Width, c.ImageDetails[std::size_t(n)].Height};
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
        original = readImageFile(keptImage ? GamePaths::original(c.GP4Path, GamePaths::relativeImage(n)) : gameFile,
                                 originalSize(c, n));
        gameFileIsOriginal = original.size == c.sizeOnDisk(n) && (!keptImage || sameBytes(FileOps::readWhole(gameFile), original));
    }
    // Where the game folder holds the original, restoring is reverting: the change mark goes too.
    if (gameFileIsOriginal)
        return revertImage(c, n);
    return c.replaceImage(n, original.size.first, original.size.second, original.byteCount, std::move(original.pixels));
}

bool restoreFont(Catalogue &c, int i)
{
    requireFont(c, i);
    const std::string keptFile = GamePaths::original(c.GP4Path, GamePaths::relativeFont(i));
    std::optional<FontSheet> sheet;
    {
        const FolderLock lock(c.GP4Path, FolderLock::Mode::Read);
        if (holdsFont(c.GP4Path, i) && FileOps::readWhole(keptFile) != FileOps::readWhole(GamePaths::font(c.GP4Path, i)))
            sheet = readSheet(keptFile);
    }
    if (!sheet)
        return revertFont(c, i);
    return c.replaceFontSheet(i, std::move(*sheet));
}

} // namespace KeptOriginals
