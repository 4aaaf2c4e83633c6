#include "picture_maker.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "grid_metrics.h"
#include "pixel_convert.h"

namespace PictureMaker {

namespace {
constexpr std::uint32_t Opaque = 0xFF000000u;
}

QImage sample(const std::uint32_t *pixels, std::size_t loaded, int w, int h, QSize shown, bool alphaView)
{
    if (shown.isEmpty() || w <= 0 || h <= 0 || shown.width() > w || shown.height() > h)
        return QImage();
    // Premultiplied ARGB: shown pixels are opaque, missing ones transparent.
    QImage picture(shown, QImage::Format_ARGB32_Premultiplied);
    if (picture.isNull())
        return picture;
    const int sw = shown.width();
    const int sh = shown.height();
    std::vector<std::size_t> sourceColumn(std::size_t(sw), 0);
    for (int x = 0; x < sw; ++x)
        sourceColumn[std::size_t(x)] = std::size_t(std::int64_t(x) * w / sw);
    const std::size_t lastColumn = sourceColumn.back();

    for (int y = 0; y < sh; ++y) {
        auto *line = reinterpret_cast<std::uint32_t *>(picture.scanLine(y));
        const std::size_t rowStart = std::size_t(std::int64_t(y) * h / sh) * std::size_t(w);
        if (rowStart + lastColumn < loaded) {
            const std::uint32_t *row = pixels + rowStart;
            for (int x = 0; x < sw; ++x)
                line[x] = PixelConvert::ConvertRGB(row[sourceColumn[std::size_t(x)]], alphaView) | Opaque;
            continue;
        }
        for (int x = 0; x < sw; ++x) {
            const std::size_t at = rowStart + sourceColumn[std::size_t(x)];
            line[x] = at < loaded ? PixelConvert::ConvertRGB(pixels[at], alphaView) | Opaque : 0u;
        }
    }
    return picture;
}

namespace {
// Image n sampled at the size shownFor gives for its width and height; null without pixels.
template <typename ShownFor>
QImage ofImage(const Catalogue &catalogue, int n, bool alphaView, ShownFor shownFor)
{
    if (!catalogue.isImage(n) || std::size_t(n) >= catalogue.ImageDetails.size())
        return QImage();
    const std::size_t loaded = catalogue.loadedPixels(n);
    if (loaded == 0)
        return QImage();
    const TGPHDetails &details = catalogue.ImageDetails[std::size_t(n)];
    return sample(catalogue.ImagePixels[std::size_t(n)].data(), loaded, details.Width, details.Height,
                  shownFor(details.Width, details.Height), alphaView);
}
}

QImage thumbnail(const Catalogue &catalogue, int n, int box, bool alphaView)
{
    return ofImage(catalogue, n, alphaView, [box](int w, int h) { return GridMetrics::scaledSize(w, h, box); });
}

PreviewPicture preview(const std::uint32_t *pixels, std::size_t loaded, int w, int h, bool alphaView)
{
    PreviewPicture picture;
    picture.size = QSize(std::max(w, 0), std::max(h, 0));
    const std::size_t area = std::size_t(picture.size.width()) * std::size_t(picture.size.height());
    loaded = std::min(loaded, area);
    if (loaded == 0)
        return picture;
    picture.shown = sample(pixels, loaded, w, h, picture.size, alphaView);
    picture.values = QImage(picture.size, QImage::Format_ARGB32);
    picture.values.fill(0);
    for (int y = 0; y < h && std::size_t(y) * std::size_t(w) < loaded; ++y) {
        const std::size_t start = std::size_t(y) * std::size_t(w);
        std::memcpy(picture.values.scanLine(y), pixels + start, std::min(std::size_t(w), loaded - start) * 4);
    }
    picture.loaded = qsizetype(loaded);
    return picture;
}

PreviewPicture preview(const Catalogue &catalogue, int n, bool alphaView)
{
    if (!catalogue.isImage(n) || std::size_t(n) >= catalogue.ImageDetails.size())
        return {};
    const TGPHDetails &details = catalogue.ImageDetails[std::size_t(n)];
    const std::size_t loaded = catalogue.loadedPixels(n);
    return preview(loaded ? catalogue.ImagePixels[std::size_t(n)].data() : nullptr, loaded, details.Width, details.Height, alphaView);
}

QImage fontSheet(const FontSheet &sheet)
{
    if (sheet.size() < FontSheetBytes)
        return QImage();
    QImage picture(FontSheetSide, FontSheetSide, QImage::Format_RGB32);
    for (int y = 0; y < FontSheetSide; ++y) {
        auto *line = reinterpret_cast<std::uint32_t *>(picture.scanLine(y));
        const std::uint8_t *row = sheet.data() + std::size_t(y) * FontSheetSide;
        for (int x = 0; x < FontSheetSide; ++x)
            line[x] = PixelConvert::ConvertBWtoRGB(row[x]) | Opaque;
    }
    return picture;
}

} // namespace PictureMaker
