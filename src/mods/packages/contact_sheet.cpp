#include "contact_sheet.h"

#include <algorithm>

namespace ContactSheet {

namespace {

constexpr std::uint32_t Ground = 0xFF303030u;

// Copies one picture of the catalogue into its cell, centred.
void draw(DecodedImage &sheet, int left, int top, const Catalogue &c, PictureKey key)
{
    const bool font = key.font;
    const auto slot = std::size_t(key.number);
    const int width = font ? FontSheetSide : c.ImageDetails[slot].Width;
    const int height = font ? FontSheetSide : c.ImageDetails[slot].Height;
    if (width <= 0 || height <= 0)
        return;
    const std::size_t held = font ? c.FontBitmaps[slot].size() : c.loadedPixels(key.number);
    const double scale = std::min({1.0, double(Cell) / width, double(Cell) / height});
    const int shownWidth = std::max(1, int(width * scale)), shownHeight = std::max(1, int(height * scale));
    left += (Cell - shownWidth) / 2;
    top += (Cell - shownHeight) / 2;
    for (int y = 0; y < shownHeight; ++y) {
        const auto sourceRow = std::size_t(std::int64_t(y) * height / shownHeight);
        for (int x = 0; x < shownWidth; ++x) {
            const std::size_t at = sourceRow * std::size_t(width) + std::size_t(std::int64_t(x) * width / shownWidth);
            if (at >= held)
                continue;
            const std::uint32_t pixel = font ? std::uint32_t(c.FontBitmaps[slot][at]) * 0x010101u : c.ImagePixels[slot][at];
            sheet.Pixels[std::size_t(top + y) * std::size_t(sheet.Width) + std::size_t(left + x)] = pixel | 0xFF000000u;
        }
    }
}

} // namespace

DecodedImage make(const Catalogue &c, const std::vector<PictureKey> &pictures)
{
    const int count = std::max(int(pictures.size()), 1);
    const int columns = std::min(count, MaxColumns);
    const int rows = (count + columns - 1) / columns;
    DecodedImage sheet;
    sheet.Width = Gap + columns * (Cell + Gap);
    sheet.Height = Gap + rows * (Cell + Gap);
    sheet.ByteCount = sheet.Width * sheet.Height * 4;
    sheet.Pixels.assign(std::size_t(sheet.Width) * std::size_t(sheet.Height), Ground);
    for (std::size_t k = 0; k < pictures.size(); ++k)
        draw(sheet, Gap + int(k % std::size_t(columns)) * (Cell + Gap), Gap + int(k / std::size_t(columns)) * (Cell + Gap), c, pictures[k]);
    return sheet;
}

} // namespace ContactSheet
