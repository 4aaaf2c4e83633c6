#include "png_import.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>

#include <cstring>
#include <limits>
#include <new>
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

// A PNG file read into memory, with Qt's reader over it.
struct OpenedPng {
    std::vector<std::uint8_t> bytes;
    QByteArray data;
    QBuffer buffer;
    QImageReader reader;
    QSize size;
};

// Reads the PNG header; refuses a file that is no PNG, or a picture a menu image can't hold.
void open(const std::string &path, std::vector<std::uint8_t> bytes, OpenedPng &png)
{
    png.bytes = std::move(bytes);
    if (!hasPngSignature(png.bytes.data(), png.bytes.size()))
        throw GameFileError(path, "is not a .png file: it does not start with the PNG signature");
    png.data = QByteArray::fromRawData(reinterpret_cast<const char *>(png.bytes.data()), qsizetype(png.bytes.size()));
    png.buffer.setBuffer(&png.data);
    png.buffer.open(QIODevice::ReadOnly);
    png.reader.setDevice(&png.buffer);
    png.reader.setFormat("png");
    png.size = png.reader.size();
    if (!png.size.isValid())
        throw GameFileError(path, "the PNG header can't be read: " + problemOf(png.reader));
    const std::uint64_t byteCount = std::uint64_t(png.size.width()) * std::uint64_t(png.size.height()) * 4;
    if (byteCount > std::uint64_t(std::numeric_limits<std::int32_t>::max()))
        throw GameFileError(path, "a " + sizeText(png.size) + " picture needs " + std::to_string(byteCount)
                                      + " bytes, more than the 2147483647 a menu image can hold");
    if (QImageReader::allocationLimit() < AllocationLimitMb)
        QImageReader::setAllocationLimit(AllocationLimitMb);
}

// Decodes into image, which may already hold memory to decode into.
void read(const std::string &path, OpenedPng &png, QImage &image)
{
    if (!png.reader.read(&image) || image.size() != png.size)
        throw GameFileError(path, "the PNG picture can't be decoded: " + problemOf(png.reader));
}

// The decoded picture as 32-bit ARGB: 16-bit channels rounded to 8 bits, a palette or grey
// levels made colours, nothing premultiplied.
QImage decode(const std::string &path, std::vector<std::uint8_t> bytes)
{
    OpenedPng png;
    open(path, std::move(bytes), png);
    QImage image;
    read(path, png, image);
    image = image.convertToFormat(QImage::Format_ARGB32);
    if (image.isNull())
        throw GameFileError(path, "not enough memory to convert a " + sizeText(png.size) + " picture");
    return image;
}

DecodedImage copyRows(const QImage &image, DecodedImage decoded)
{
    if (image.isNull())
        throw std::bad_alloc(); // the only way a conversion of a decoded picture fails
    const auto width = std::size_t(decoded.Width);
    for (int y = 0; y < decoded.Height; ++y)
        std::memcpy(decoded.Pixels.data() + std::size_t(y) * width, image.constScanLine(y), width * 4);
    return decoded;
}

} // namespace

bool hasPngSignature(const unsigned char *bytes, std::size_t size)
{
    return size >= sizeof Signature && std::memcmp(bytes, Signature, sizeof Signature) == 0;
}

DecodedImage readImage(const std::string &path)
{
    return decodeImage(path, FileOps::readWhole(path));
}

FontSheet readFont(const std::string &path)
{
    return decodeFont(path, FileOps::readWhole(path));
}

DecodedImage decodeImage(const std::string &path, std::vector<std::uint8_t> bytes)
{
    OpenedPng png;
    open(path, std::move(bytes), png);
    DecodedImage decoded;
    decoded.Width = png.size.width();
    decoded.Height = png.size.height();
    decoded.ByteCount = decoded.Width * decoded.Height * 4;
    const auto width = std::size_t(decoded.Width);
    decoded.Pixels.resize(width * std::size_t(decoded.Height));
    auto *memory = reinterpret_cast<uchar *>(decoded.Pixels.data());

    // A 32-bit ARGB pixel (RGB: alpha 255) in memory is blue, green, red, alpha: the game's own
    // byte order. A PNG that Qt reads in one of these forms is decoded straight into the image.
    const QImage::Format format = png.reader.imageFormat();
    if (format == QImage::Format_ARGB32 || format == QImage::Format_RGB32) {
        QImage inPlace(memory, decoded.Width, decoded.Height, qsizetype(width * 4), format);
        read(path, png, inPlace);
        if (inPlace.constBits() == memory)
            return decoded;
        // Qt chose memory of its own after all: the rows are copied over.
        return copyRows(inPlace.convertToFormat(QImage::Format_ARGB32), std::move(decoded));
    }
    QImage image;
    read(path, png, image);
    return copyRows(image.convertToFormat(QImage::Format_ARGB32), std::move(decoded));
}

FontSheet decodeFont(const std::string &path, std::vector<std::uint8_t> bytes)
{
    const QImage image = decode(path, std::move(bytes));
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
