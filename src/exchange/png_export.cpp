#include "png_export.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <new>
#include <vector>

#include "export_file.h"
#include "game_file_error.h"

namespace {

const char *const NotEnoughMemory = CORE_WORDING("CoreMessages", "not enough memory");

// Where libpng's callbacks put the file and what went wrong; libpng leaves them by longjmp.
struct Sink {
    std::vector<std::uint8_t> *bytes;
    char error[200];
};

void onError(png_structp png, png_const_charp message)
{
    std::snprintf(static_cast<Sink *>(png_get_error_ptr(png))->error, sizeof Sink::error, "%s", message);
    png_longjmp(png, 1);
}

void onWarning(png_structp, png_const_charp) {}

void writeTo(png_structp png, png_bytep from, std::size_t count)
{
    auto *sink = static_cast<Sink *>(png_get_io_ptr(png));
    bool full = false;
    try {
        sink->bytes->insert(sink->bytes->end(), from, from + count);
    } catch (const std::bad_alloc &) {
        full = true;
    }
    if (full)
        png_error(png, NotEnoughMemory);
}

void flushNothing(png_structp) {}

// Encodes rows (top first, rowBytes apart) as a PNG of one colour type, 8 bits a sample; a
// 32-bit picture's rows are blue, green, red, alpha, which the file turns into RGBA.
bool encode(const std::uint8_t *pixels, std::uint32_t width, std::uint32_t height, int colourType, std::size_t rowBytes,
            std::vector<std::uint8_t> &bytes, Sink &sink)
{
    std::vector<png_bytep> rows(height);
    for (std::size_t y = 0; y < height; ++y)
        rows[y] = const_cast<png_bytep>(pixels + y * rowBytes);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &sink, onError, onWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        std::snprintf(sink.error, sizeof sink.error, "%s", NotEnoughMemory);
        return false;
    }
    sink.bytes = &bytes;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, &sink, writeTo, flushNothing);
    png_set_IHDR(png, info, width, height, 8, colourType, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    if (colourType == PNG_COLOR_TYPE_RGB_ALPHA)
        png_set_bgr(png);
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

std::vector<std::uint8_t> encoded(const std::uint8_t *pixels, std::uint32_t width, std::uint32_t height, bool grey, const std::string &name)
{
    std::vector<std::uint8_t> bytes;
    Sink sink{nullptr, {}};
    if (!encode(pixels, width, height, grey ? PNG_COLOR_TYPE_GRAY : PNG_COLOR_TYPE_RGB_ALPHA, std::size_t(width) * (grey ? 1 : 4),
                bytes, sink))
        throw GameFileError(name, Message(CORE_WORDING("CoreMessages", "the PNG picture can't be made (%1)"))
                                      .nested(sink.error == std::string(NotEnoughMemory) ? Message(NotEnoughMemory) : Message(std::string(sink.error))));
    return bytes;
}

void write(const std::uint8_t *pixels, std::uint32_t width, std::uint32_t height, bool grey, const std::string &target)
{
    const std::vector<std::uint8_t> bytes = encoded(pixels, width, height, grey, target);
    writeExportFile(target, [&bytes](FileOps::OutputFile &out) { out.write(bytes.data(), bytes.size()); });
}

} // namespace

void saveImagePng(const Catalogue &c, int n, const std::string &target)
{
    const auto slot = std::size_t(n);
    if (!c.isImage(n) || slot >= c.ImageDetails.size() || slot >= c.ImageSizes.size() || slot >= c.ImagePixels.size())
        throw GameFileError(target, Message(CORE_WORDING("CoreMessages", "there is no menu image number %1")).number(n));
    const std::int64_t width = c.ImageDetails[slot].Width;
    const std::int64_t height = c.ImageDetails[slot].Height;
    if (width <= 0 || height <= 0)
        throw GameFileError(target, Message::joined(Message(CORE_WORDING("CoreMessages", "image %1 (%2 x %3 pixels) holds no picture a .png file can hold")).number(n).number(width).number(height),
                                                    CORE_WORDING("CoreMessages", "save it as .tga")));
    if (c.ImageSizes[slot] != width * height * 4 || c.ImagePixels[slot].size() < std::size_t(width * height))
        throw GameFileError(target, Message::joined(Message(CORE_WORDING("CoreMessages", "image %1 (%2 x %3 pixels) holds %4 bytes instead of %5"))
                                                        .number(n)
                                                        .number(width)
                                                        .number(height)
                                                        .number(c.ImageSizes[slot])
                                                        .number(width * height * 4),
                                                    CORE_WORDING("CoreMessages", "a .png file holds only whole pictures, so save it as .tga")));
    write(reinterpret_cast<const std::uint8_t *>(c.ImagePixels[slot].data()), std::uint32_t(width), std::uint32_t(height), false, target);
}

void saveFontPng(const Catalogue &c, int i, const std::string &target)
{
    if (i < 0 || i >= FontCount || std::size_t(i) >= c.FontBitmaps.size())
        throw GameFileError(target, Message(CORE_WORDING("CoreMessages", "there is no font sheet number %1")).number(i));
    const FontSheet &sheet = c.FontBitmaps[std::size_t(i)];
    if (sheet.size() != FontSheetBytes)
        throw GameFileError(target, Message(CORE_WORDING("CoreMessages", "font sheet %1 holds %2 bytes instead of 65536")).number(i).number(static_cast<long long>(sheet.size())));
    write(sheet.data(), FontSheetSide, FontSheetSide, true, target);
}

std::vector<std::uint8_t> encodeImagePng(const std::string &name, std::int32_t width, std::int32_t height, const std::uint32_t *pixels)
{
    if (width <= 0 || height <= 0 || !pixels)
        throw GameFileError(name, CORE_WORDING("CoreMessages", "holds no picture a .png file can hold"));
    return encoded(reinterpret_cast<const std::uint8_t *>(pixels), std::uint32_t(width), std::uint32_t(height), false, name);
}

std::vector<std::uint8_t> encodeFontPng(const std::string &name, const FontSheet &sheet)
{
    if (sheet.size() != FontSheetBytes)
        throw GameFileError(name, Message(CORE_WORDING("CoreMessages", "holds %1 bytes instead of 65536")).number(static_cast<long long>(sheet.size())));
    return encoded(sheet.data(), FontSheetSide, FontSheetSide, true, name);
}
