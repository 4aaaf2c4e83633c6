#include "picture_import.h"

#include <algorithm>
#include <cstring>

#include "game_file_error.h"
#include "picture_step.h"

namespace {

void requireImage(const Catalogue &c, int n, const std::string &file)
{
    const auto slot = std::size_t(n);
    if (!c.isImage(n) || slot >= c.ImageDetails.size() || slot >= c.ImageSizes.size() || slot >= c.ImagePixels.size())
        throw GameFileError(file, Message(CORE_WORDING("CoreMessages", "there is no menu image number %1 to replace")).number(n));
}

void requireFont(const Catalogue &c, int i, const std::string &file)
{
    if (i < 0 || i >= FontCount || std::size_t(i) >= c.FontBitmaps.size())
        throw GameFileError(file, Message(CORE_WORDING("CoreMessages", "there is no font sheet number %1 to replace")).number(i));
}

} // namespace

bool importImage(Catalogue &c, int n, const std::string &file, const PictureReader &reader, PictureStep *step)
{
    requireImage(c, n, file);
    DecodedImage image = reader.readImage(file);
    if (step)
        return step->replaceImage(c, n, std::move(image));
    return c.replaceImage(n, image.Width, image.Height, image.ByteCount, std::move(image.Pixels));
}

bool importFont(Catalogue &c, int i, const std::string &file, const PictureReader &reader, PictureStep *step)
{
    requireFont(c, i, file);
    FontSheet sheet = reader.readFont(file);
    return step ? step->replaceFontSheet(c, i, std::move(sheet)) : c.replaceFontSheet(i, std::move(sheet));
}

bool holdsImage(const Catalogue &c, int n, const DecodedImage &image)
{
    const auto slot = std::size_t(n);
    if (!c.isImage(n) || slot >= c.ImageDetails.size() || slot >= c.ImageSizes.size() || slot >= c.ImagePixels.size())
        return false;
    const TGPHDetails &details = c.ImageDetails[slot];
    return details.Width == image.Width && details.Height == image.Height && c.ImageSizes[slot] == image.ByteCount
        && c.ImagePixels[slot].size() == image.Pixels.size()
        && std::equal(image.Pixels.begin(), image.Pixels.end(), c.ImagePixels[slot].begin());
}

bool holdsFont(const Catalogue &c, int i, const FontSheet &sheet)
{
    return i >= 0 && i < FontCount && std::size_t(i) < c.FontBitmaps.size() && c.FontBitmaps[std::size_t(i)] == sheet;
}
