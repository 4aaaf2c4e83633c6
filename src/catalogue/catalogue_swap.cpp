#include "catalogue.h"

#include <utility>

bool Catalogue::swapImage(int n, std::int32_t &width, std::int32_t &height, std::int32_t &byteCount, PixelBuffer &pixels,
                          bool changed)
{
    const auto slot = std::size_t(n);
    if (!isImage(n) || slot >= ImageDetails.size() || slot >= ImageSizes.size() || slot >= ImagePixels.size())
        return false;
    std::swap(ImageDetails[slot].Width, width);
    std::swap(ImageDetails[slot].Height, height);
    std::swap(ImageSizes[slot], byteCount);
    ImagePixels[slot].swap(pixels);
    m_imageChanged.resize(std::size_t(ImageCount));
    m_imageChanged[slot] = changed ? 1 : 0;
    return true;
}

bool Catalogue::swapFontSheet(int i, FontSheet &sheet, bool changed)
{
    if (i < 0 || i >= FontCount || std::size_t(i) >= FontBitmaps.size() || sheet.size() != FontSheetBytes)
        return false;
    keepGameFontSheet(i);
    FontBitmaps[std::size_t(i)].swap(sheet);
    m_fontChanged[std::size_t(i)] = changed;
    return true;
}
