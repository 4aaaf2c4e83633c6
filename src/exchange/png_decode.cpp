#include "png_decode.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <limits>
#include <optional>
#include <vector>

#include "file_ops.h"
#include "game_file_error.h"
#include "png_samples.h"

namespace {

const char *const DamagedOrCutShort = CORE_WORDING("CoreMessages", "the PNG data is damaged or cut short (%1)");
const char *const EndsEarly = CORE_WORDING("CoreMessages", "the file ends before the picture does");

constexpr std::uint8_t Signature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
constexpr std::size_t MessageRoom = 200;
// Deflate makes at most 1032 bytes of 1: data shorter than that share of the rows is cut short.
constexpr std::uint64_t DeflateMostRatio = 1032;

// What libpng's callbacks write. Plain bytes only: libpng leaves them by longjmp.
struct Source {
    const std::uint8_t *data;
    std::size_t size;
    std::size_t offset;
    char error[MessageRoom];
    char transparencyWarning[MessageRoom];
    char paletteWarning[MessageRoom];
};

void keep(char *into, const char *message)
{
    std::snprintf(into, MessageRoom, "%s", message);
}

void onError(png_structp png, png_const_charp message)
{
    keep(static_cast<Source *>(png_get_error_ptr(png))->error, message);
    png_longjmp(png, 1);
}

// libpng reads past a damaged palette or tRNS chunk with a warning, leaving it out; where that
// changes the pixels, the file is refused (PngReading::check).
void onWarning(png_structp png, png_const_charp message)
{
    auto *source = static_cast<Source *>(png_get_error_ptr(png));
    char *kept = std::strncmp(message, "tRNS", 4) == 0 ? source->transparencyWarning
               : std::strncmp(message, "PLTE", 4) == 0 ? source->paletteWarning
                                                       : nullptr;
    if (kept && kept[0] == '\0')
        keep(kept, message);
}

void readFrom(png_structp png, png_bytep into, std::size_t count)
{
    auto *source = static_cast<Source *>(png_get_io_ptr(png));
    if (count > source->size - source->offset)
        png_error(png, EndsEarly);
    std::memcpy(into, source->data + source->offset, count);
    source->offset += count;
}

std::string sizeText(std::uint32_t width, std::uint32_t height)
{
    return std::to_string(width) + " x " + std::to_string(height);
}

// One file read with libpng. The functions that call setjmp hold no object that a longjmp
// would leave without its destructor.
class PngReading {
public:
    PngReading(std::string path, const std::uint8_t *data, std::size_t size) : m_path(std::move(path)), m_source{data, size, 0, {}, {}, {}}
    {
        if (!hasPngSignature(data, size))
            throw GameFileError(m_path, CORE_WORDING("CoreMessages", "is not a .png file: it does not start with the PNG signature"));
        m_png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &m_source, onError, onWarning);
        m_info = m_png ? png_create_info_struct(m_png) : nullptr;
        if (!m_info)
            throw GameFileError(m_path, CORE_WORDING("CoreMessages", "not enough memory to read a .png file"));
        png_set_read_fn(m_png, &m_source, readFrom);
        png_set_benign_errors(m_png, 1);
        // A menu image may be far wider or taller than libpng's default limit of a million.
        png_set_user_limits(m_png, 0x7fffffff, 0x7fffffff);
    }
    ~PngReading() { png_destroy_read_struct(&m_png, &m_info, nullptr); }
    PngReading(const PngReading &) = delete;
    PngReading &operator=(const PngReading &) = delete;

    // Reads the chunks before the pixels; the picture's size is known then.
    void readHeader()
    {
        if (!libpng([this] { readInfo(); }))
            fail();
    }

    std::uint32_t width() const { return m_width; }
    std::uint32_t height() const { return m_height; }

    // Refuses what no menu image can hold, or what the standard leaves undefined.
    void check() const
    {
        // A grey or RGBA picture's pixels need no palette, and an alpha channel no tRNS.
        const bool usesPalette = m_colourType == PNG_COLOR_TYPE_PALETTE;
        const bool usesTransparency = usesPalette || m_colourType == PNG_COLOR_TYPE_GRAY || m_colourType == PNG_COLOR_TYPE_RGB;
        const char *damage = usesTransparency && m_source.transparencyWarning[0] ? m_source.transparencyWarning
                           : usesPalette && m_source.paletteWarning[0]           ? m_source.paletteWarning
                                                                                 : nullptr;
        if (damage)
            throw GameFileError(m_path, Message(CORE_WORDING("CoreMessages", "the PNG's palette or transparency is damaged (%1), so its pixels are not defined")).name(damage));
        const std::uint64_t bytes = std::uint64_t(m_width) * m_height * 4;
        if (bytes > std::uint64_t(std::numeric_limits<std::int32_t>::max()))
            throw GameFileError(m_path, Message(CORE_WORDING("CoreMessages", "a %1 picture needs %2 bytes, more than the 2147483647 a menu image can hold"))
                                            .name(sizeText(m_width, m_height))
                                            .number(static_cast<long long>(bytes)));
        const std::uint64_t rows = std::uint64_t(m_height) * (m_fileRowBytes + 1);
        const std::uint64_t left = m_source.size - m_source.offset;
        if (m_rowBytes != m_samples->rowBytes() || (left + 1024) * DeflateMostRatio < rows)
            throw GameFileError(m_path, Message(DamagedOrCutShort).nested(Message(CORE_WORDING("CoreMessages", "the file is too short for a %1 picture")).name(sizeText(m_width, m_height))));
    }

    // Decodes every pixel into out (width x height); checks the data to its end.
    void readPixels(std::uint32_t *out)
    {
        const bool interlaced = m_passes > 1;
        std::vector<std::uint8_t> rows(interlaced ? m_rowBytes * m_height : m_rowBytes);
        std::vector<png_bytep> starts(m_height);
        for (std::size_t y = 0; y < starts.size(); ++y)
            starts[y] = rows.data() + (interlaced ? y * m_rowBytes : 0);
        // An interlaced picture comes in seven passes over the whole of it; any other a row at a time.
        if (interlaced && !libpng([&] { png_read_image(m_png, starts.data()); }))
            fail();
        for (std::uint32_t y = 0; y < m_height; ++y) {
            if (!interlaced && !libpng([&] { png_read_row(m_png, starts[y], nullptr); }))
                fail();
            const long x = m_samples->convert(starts[y], out + std::size_t(y) * m_width);
            if (x >= 0)
                throw GameFileError(m_path, Message(CORE_WORDING("CoreMessages", "pixel (%1, %2) has colour number %3, but the palette holds only %4 colours"))
                                                .number(x)
                                                .number(y)
                                                .number(starts[y][x])
                                                .number(static_cast<long long>(m_samples->paletteSize())));
        }
        if (!libpng([&] { png_read_end(m_png, nullptr); }))
            fail();
    }

private:
    // Runs libpng's calls; false when libpng reported an error (its text is in m_source.error).
    // The landing place for libpng's longjmp is here, where no object needs its destructor.
    template <typename Calls>
    bool libpng(const Calls &calls)
    {
        if (setjmp(png_jmpbuf(m_png)))
            return false;
        calls();
        return true;
    }

    void readInfo()
    {
        png_read_info(m_png, m_info);
        int bitDepth = 0;
        int colourType = 0;
        png_get_IHDR(m_png, m_info, &m_width, &m_height, &bitDepth, &colourType, nullptr, nullptr, nullptr);
        m_colourType = colourType;
        m_samples.emplace(colourType, bitDepth, m_width);
        png_bytep alpha = nullptr;
        int alphaCount = 0;
        png_color_16p key = nullptr;
        const bool transparency = png_get_tRNS(m_png, m_info, &alpha, &alphaCount, &key) != 0;
        png_colorp palette = nullptr;
        int colours = 0;
        if (colourType == PNG_COLOR_TYPE_PALETTE && png_get_PLTE(m_png, m_info, &palette, &colours))
            m_samples->setPalette(&palette->red, colours, transparency ? alpha : nullptr, transparency ? alphaCount : 0);
        if ((colourType == PNG_COLOR_TYPE_GRAY || colourType == PNG_COLOR_TYPE_RGB) && transparency && key)
            m_samples->setKey(key->gray, key->red, key->green, key->blue);
        m_fileRowBytes = png_get_rowbytes(m_png, m_info);
        if (bitDepth < 8)
            png_set_packing(m_png);
        m_passes = png_set_interlace_handling(m_png);
        png_read_update_info(m_png, m_info);
        m_rowBytes = png_get_rowbytes(m_png, m_info);
    }

    [[noreturn]] void fail() const
    {
        const std::string said = m_source.error;
        if (said == EndsEarly)
            throw GameFileError(m_path, Message(DamagedOrCutShort).nested(EndsEarly));
        // libpng's own words stay as a detail of the reason.
        if (said.find("CRC") != std::string::npos)
            throw GameFileError(m_path, Message(CORE_WORDING("CoreMessages", "a checksum (CRC) of the PNG data does not match, so the file is damaged (%1)")).name(said));
        throw GameFileError(m_path, Message(DamagedOrCutShort).name(said));
    }

    std::string m_path;
    Source m_source;
    png_structp m_png = nullptr;
    png_infop m_info = nullptr;
    png_uint_32 m_width = 0;
    png_uint_32 m_height = 0;
    std::size_t m_fileRowBytes = 0;
    std::size_t m_rowBytes = 0;
    int m_passes = 1;
    int m_colourType = 0;
    std::optional<PngSamples> m_samples;
};

} // namespace

bool hasPngSignature(const std::uint8_t *bytes, std::size_t size)
{
    return size >= sizeof Signature && std::memcmp(bytes, Signature, sizeof Signature) == 0;
}

DecodedImage decodeImagePng(const std::string &path, const std::uint8_t *data, std::size_t size)
{
    PngReading png(path, data, size);
    png.readHeader();
    png.check();
    DecodedImage decoded;
    decoded.Width = std::int32_t(png.width());
    decoded.Height = std::int32_t(png.height());
    decoded.ByteCount = decoded.Width * decoded.Height * 4;
    decoded.Pixels.resize(std::size_t(decoded.Width) * std::size_t(decoded.Height));
    png.readPixels(decoded.Pixels.data());
    return decoded;
}

FontSheet decodeFontPng(const std::string &path, const std::uint8_t *data, std::size_t size)
{
    PngReading png(path, data, size);
    png.readHeader();
    if (png.width() != FontSheetSide || png.height() != FontSheetSide)
        throw GameFileError(path, Message::joined(Message(CORE_WORDING("CoreMessages", "the picture is %1 pixels")).name(sizeText(png.width(), png.height())),
                                                  CORE_WORDING("CoreMessages", "a font sheet must be 256 x 256")));
    png.check();
    PixelBuffer pixels(FontSheetBytes);
    png.readPixels(pixels.data());
    FontSheet sheet(FontSheetBytes);
    for (std::size_t k = 0; k < sheet.size(); ++k) {
        // Rec. 601 luminance in 16-bit fixed point; a grey pixel keeps its level exactly.
        const std::uint32_t p = pixels[k];
        const std::uint32_t blue = p & 0xFF, green = p >> 8 & 0xFF, red = p >> 16 & 0xFF;
        sheet[k] = std::uint8_t((red * 19595u + green * 38470u + blue * 7471u + 0x8000u) >> 16);
    }
    return sheet;
}

DecodedImage readImagePng(const std::string &file)
{
    const std::vector<std::uint8_t> bytes = FileOps::readWhole(file);
    return decodeImagePng(file, bytes.data(), bytes.size());
}

FontSheet readFontPng(const std::string &file)
{
    const std::vector<std::uint8_t> bytes = FileOps::readWhole(file);
    return decodeFontPng(file, bytes.data(), bytes.size());
}
