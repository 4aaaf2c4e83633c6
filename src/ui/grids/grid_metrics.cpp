#include "grid_metrics.h"

#include <algorithm>
#include <cstdint>

namespace GridMetrics {

namespace {
// Widgets can't be taller than this; a range beyond it could not be scrolled anyway.
constexpr std::int64_t TallestContent = 16777215;

int clampToContent(std::int64_t height)
{
    return int(std::clamp<std::int64_t>(height, 0, TallestContent));
}

int rowsFor(std::int64_t count, std::int64_t columns)
{
    return int(count / columns + (count % columns != 0 ? 1 : 0));
}
}

int thumbColumns(int areaWidth, int thumbSize)
{
    const int columns = (areaWidth - WidthAllowance) / (thumbSize + ImageColumnGap);
    return std::max(columns, 1);
}

int imageScrollRange(int imageCount, int columns, int thumbSize)
{
    if (imageCount <= 0)
        return 0;
    return clampToContent(std::int64_t(rowsFor(imageCount, std::max(columns, 1))) * (thumbSize + ImageRowGap));
}

int fontColumns(int areaWidth)
{
    return std::max((areaWidth - WidthAllowance) / FontPitchX, 1);
}

int fontScrollRange(int columns)
{
    return rowsFor(6, std::max(columns, 1)) * FontPitchY;
}

QPoint imagePicturePos(int n, int columns, int thumbSize)
{
    columns = std::max(columns, 1);
    const std::int64_t c = (n - 1) % columns;
    const std::int64_t r = (n - 1) / columns;
    return QPoint(int(c * (thumbSize + ImageColumnGap) + CellLeft),
                  clampToContent(r * (thumbSize + ImageRowGap) + PictureTop));
}

QPoint imageCaptionPos(int n, int columns, int thumbSize)
{
    columns = std::max(columns, 1);
    const std::int64_t c = (n - 1) % columns;
    const std::int64_t r = (n - 1) / columns;
    return QPoint(int(c * (thumbSize + ImageColumnGap) + thumbSize / 2 - 6),
                  clampToContent(r * (thumbSize + ImageRowGap) + CaptionTop));
}

QPoint fontPicturePos(int n, int columns)
{
    columns = std::max(columns, 1);
    return QPoint(n % columns * FontPitchX + CellLeft, n / columns * FontPitchY + PictureTop);
}

QPoint fontCaptionPos(int n, int columns)
{
    columns = std::max(columns, 1);
    return QPoint(n % columns * FontPitchX + CellLeft, n / columns * FontPitchY + CaptionTop);
}

QSize imageFocusSize(int thumbSize)
{
    return QSize(thumbSize + 6, thumbSize + 21);
}

QPoint focusPos(QPoint picturePos)
{
    return picturePos - QPoint(3, 18);
}

QSize scaledSize(int w, int h, int box)
{
    if (w <= 0 || h <= 0 || box <= 0)
        return QSize(0, 0);
    if (w <= box && h <= box)
        return QSize(w, h);
    if (w >= h)
        return QSize(box, int(std::int64_t(h) * box / w));
    return QSize(int(std::int64_t(w) * box / h), box);
}

} // namespace GridMetrics
