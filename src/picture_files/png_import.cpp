#include "png_import.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>

#include <cstring>
#include <limits>
#include <vector>

#include "file_ops.h"
#include "game_file_error.h"

namespace PngImport {

namespace {

constexpr unsigned char Signature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
// Qt refuses pictures above 256 MB by default; a menu image may take up to 2 GB.
constexpr int AllocationLimitMb = 2048;

std::string problemOf(const QImageReader &reader)
{
    // Qt says "Unknown error" for a damaged or short file; say what that means.
    if (reader.error() == QImageReader::UnknownError || reader.error() == QImageReader::InvalidDataError)
        return "the PNG data is damaged or cut short";
    return reader.errorString().toStdString();
}

std::string sizeText(const QSize &size)
{
    return std::to_string(size.width()) + " x " + std::to_string(size.height());
}

// The decoded picture, refused when it is not a whole PNG a menu image can hold.
QImage decode(const std::string &path)
{
    const std::vector<std::uint8_t> bytes = FileOps::readWhole(path);
    if (!hasPngSignature(bytes.data(), bytes.size()))
        throw GameFileError(path, "is not a .png file: it does not start with the PNG signature");
    QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "png");
    const QSize size = reader.size();
    if (!size.isValid())
        throw GameFileError(path, "the PNG header can't be read: " + problemOf(reader));
    const std::uint64_t byteCount = std::uint64_t(size.width()) * std::uint64_t(size.height()) * 4;
    if (byteCount > std::uint64_t(std::numeric_limits<std::int32_t>::max()))
        throw GameFileError(path, "a " + sizeText(size) + " picture needs " + std::to_string(byteCount)
                                      + " bytes, more than the 2147483647 a menu image can hold");
    if (QImageReader::allocationLimit() < AllocationLimitMb)
        QImageReader::setAllocationLimit(AllocationLimitMb);
    QImage image;
    if (!reader.read(&image) || image.size() != size)
        throw GameFileError(path, "the PNG picture can't be decoded: " + problemOf(reader));
    // 16-bit channels are rounded to 8 bits; a palette or grey levels become colours; nothing is premultiplied.
    image = image.convertToFormat(QImage::Format_ARGB32);
    if (image.isNull())
        throw GameFileError(path, "not enough memory to convert a " + sizeText(size) + " picture");
    return image;
}

} // namespace

bool hasPngSignature(const unsigned char *bytes, std::size_t size)
{
    return size >= sizeof Signature && std::memcmp(bytes, Signature, sizeof Signature) == 0;
}

DecodedImage readImage(const std::string &path)
{
    const QImage image = decode(path);
    DecodedImage decoded;
    decoded.Width = image.width();
    decoded.Height = image.height();
    decoded.ByteCount = decoded.Width * decoded.Height * 4;
    const auto width = std::size_t(decoded.Width);
    decoded.Pixels.resize(width * std::size_t(decoded.Height));
    // A 32-bit ARGB pixel in memory is blue, green, red, alpha: the game's own byte order.
    for (int y = 0; y < decoded.Height; ++y)
        std::memcpy(decoded.Pixels.data() + std::size_t(y) * width, image.constScanLine(y), width * 4);
    return decoded;
}

FontSheet readFont(const std::string &path)
{
    const QImage image = decode(path);
    if (image.width() != FontSheetSide || image.height() != FontSheetSide)
        throw GameFileError(path, "the picture is " + sizeText(image.size()) + " pixels; a font sheet must be 256 x 256");
    FontSheet sheet(FontSheetBytes);
    for (int y = 0; y < FontSheetSide; ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < FontSheetSide; ++x) {
            // Rec. 601 luminance in 16-bit fixed point; a grey pixel keeps its level exactly.
            const QRgb pixel = row[x];
            sheet[std::size_t(y) * FontSheetSide + std::size_t(x)] =
                std::uint8_t((qRed(pixel) * 19595u + qGreen(pixel) * 38470u + qBlue(pixel) * 7471u + 0x8000u) >> 16);
        }
    }
    return sheet;
}

} // namespace PngImport
