#include "png_export.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageWriter>

#include "export_file.h"
#include "game_file_error.h"

namespace PngExport {

namespace {

QByteArray encoded(const QImage &image, const std::string &target)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image))
        throw GameFileError(target, "the PNG picture can't be made (" + writer.errorString().toStdString() + ")");
    return bytes;
}

void write(const QImage &image, const std::string &target)
{
    const QByteArray bytes = encoded(image, target);
    writeExportFile(target, [&bytes](FileOps::OutputFile &out) { out.write(bytes.constData(), std::size_t(bytes.size())); });
}

std::vector<std::uint8_t> asVector(const QByteArray &bytes)
{
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

} // namespace

void saveImage(const Catalogue &c, int n, const std::string &target)
{
    const auto slot = std::size_t(n);
    if (!c.isImage(n) || slot >= c.ImageDetails.size() || slot >= c.ImageSizes.size() || slot >= c.ImagePixels.size())
        throw GameFileError(target, "there is no menu image number " + std::to_string(n));
    const std::int64_t width = c.ImageDetails[slot].Width;
    const std::int64_t height = c.ImageDetails[slot].Height;
    const std::string picture = "image " + std::to_string(n) + " (" + std::to_string(width) + " x " + std::to_string(height) + " pixels";
    if (width <= 0 || height <= 0)
        throw GameFileError(target, picture + ") holds no picture a .png file can hold; save it as .tga");
    if (c.ImageSizes[slot] != width * height * 4 || c.ImagePixels[slot].size() < std::size_t(width * height))
        throw GameFileError(target, picture + ") holds " + std::to_string(c.ImageSizes[slot]) + " bytes instead of "
                                        + std::to_string(width * height * 4) + "; a .png file holds only whole pictures, so save it as .tga");
    // The pixels are shown to the writer where they lie; the game's byte order is ARGB32's.
    const QImage image(reinterpret_cast<const uchar *>(c.ImagePixels[slot].data()), int(width), int(height),
                       qsizetype(width * 4), QImage::Format_ARGB32);
    write(image, target);
}

void saveFont(const Catalogue &c, int i, const std::string &target)
{
    if (i < 0 || i >= FontCount || std::size_t(i) >= c.FontBitmaps.size())
        throw GameFileError(target, "there is no font sheet number " + std::to_string(i));
    const FontSheet &sheet = c.FontBitmaps[std::size_t(i)];
    if (sheet.size() != FontSheetBytes)
        throw GameFileError(target, "font sheet " + std::to_string(i) + " holds " + std::to_string(sheet.size()) + " bytes instead of 65536");
    const QImage image(sheet.data(), FontSheetSide, FontSheetSide, FontSheetSide, QImage::Format_Grayscale8);
    write(image, target);
}

std::vector<std::uint8_t> encodeImage(std::int32_t width, std::int32_t height, const std::uint32_t *pixels)
{
    const QImage image(reinterpret_cast<const uchar *>(pixels), int(width), int(height), qsizetype(width) * 4, QImage::Format_ARGB32);
    return asVector(encoded(image, "a " + std::to_string(width) + " x " + std::to_string(height) + " picture"));
}

std::vector<std::uint8_t> encodeFont(const FontSheet &sheet)
{
    const QImage image(sheet.data(), FontSheetSide, FontSheetSide, FontSheetSide, QImage::Format_Grayscale8);
    return asVector(encoded(image, "a font sheet"));
}

} // namespace PngExport
