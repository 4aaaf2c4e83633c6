#include "tga_decode.h"

#include <array>
#include <cstring>
#include <new>
#include <vector>

#include "game_file_error.h"
#include "grey_level.h"
#include "tga_layout.h"

namespace {

constexpr std::uint8_t Opaque = 255;

// A colour-map entry as a pixel's four bytes, and whether the map holds that index at all.
struct MapColour {
    std::array<std::uint8_t, 4> Bytes{};
    bool Present = false;
};

std::array<MapColour, 256> readColourMap(const TgaLayout &layout, const std::uint8_t *data)
{
    std::array<MapColour, 256> colours{};
    const TgaHeader &h = layout.Header;
    for (std::uint32_t entry = 0; entry < h.ColourMapLength; ++entry) {
        const std::uint32_t index = std::uint32_t(h.ColourMapFirst) + entry;
        if (index >= colours.size())
            break;
        const std::uint8_t *from = data + layout.MapOffset + std::uint64_t(entry) * layout.MapEntryBytes;
        MapColour &colour = colours[index];
        colour.Bytes = {from[0], from[1], from[2], layout.MapEntryBytes == 4 ? from[3] : Opaque};
        colour.Present = true;
    }
    return colours;
}

// Fills the top-left-ordered pixels from the file's rows, whatever corner the file starts in.
void convertImage(const std::string &path, const TgaLayout &layout, const std::uint8_t *data, std::uint8_t *out)
{
    const TgaHeader &h = layout.Header;
    const std::size_t width = h.Width;
    const std::size_t height = h.Height;
    const std::size_t rowBytes = width * layout.BytesPerPixel;
    if (width == 0 || height == 0)
        return; // an empty picture has no buffer to fill
    const bool topFirst = h.topRowFirst();
    const bool mirrored = h.rightToLeft();
    std::array<MapColour, 256> colours{};
    if (layout.Kind == TgaPixelKind::Mapped8)
        colours = readColourMap(layout, data);

    for (std::size_t row = 0; row < height; ++row) {
        const std::size_t fileRow = topFirst ? row : height - 1 - row;
        const std::uint8_t *source = data + layout.PixelOffset + fileRow * rowBytes;
        std::uint8_t *target = out + row * width * 4;
        if (layout.Kind == TgaPixelKind::Bgra32 && !mirrored) {
            std::memcpy(target, source, rowBytes);
            continue;
        }
        for (std::size_t column = 0; column < width; ++column) {
            const std::size_t fileColumn = mirrored ? width - 1 - column : column;
            const std::uint8_t *from = source + fileColumn * layout.BytesPerPixel;
            std::uint8_t *to = target + column * 4;
            switch (layout.Kind) {
            case TgaPixelKind::Bgra32:
                std::memcpy(to, from, 4);
                break;
            case TgaPixelKind::Bgr24:
                to[0] = from[0];
                to[1] = from[1];
                to[2] = from[2];
                to[3] = Opaque;
                break;
            case TgaPixelKind::Grey8:
                to[0] = to[1] = to[2] = from[0];
                to[3] = Opaque;
                break;
            case TgaPixelKind::Mapped8: {
                const MapColour &colour = colours[from[0]];
                if (!colour.Present)
                    throw GameFileError(path, Message(CORE_WORDING("CoreMessages", "pixel (%1, %2) uses colour %3, which the file's colour map does not hold")).number(column).number(row).number(from[0]));
                std::memcpy(to, colour.Bytes.data(), 4);
                break;
            }
            }
        }
    }
}

} // namespace

DecodedImage decodeImageTga(const std::string &path, const std::uint8_t *data, std::size_t size)
{
    const TgaLayout layout = planImageTga(path, TgaHeader::parse(path, data, size));
    requireWholeTga(path, layout, size);

    const TgaHeader &h = layout.Header;
    DecodedImage image;
    image.Width = h.Width;
    image.Height = h.Height;
    image.ByteCount = std::int32_t(std::uint64_t(h.Width) * h.Height * 4);
    try {
        image.Pixels.resize(std::size_t(h.Width) * h.Height);
    } catch (const std::bad_alloc &) {
        throw GameFileError(path, Message(CORE_WORDING("CoreMessages", "not enough memory for a %1 picture")).name(h.sizeText()));
    }
    convertImage(path, layout, data, reinterpret_cast<std::uint8_t *>(image.Pixels.data()));
    return image;
}

FontSheet decodeFontTga(const std::string &path, const std::uint8_t *data, std::size_t size)
{
    const TgaLayout layout = planFontTga(path, TgaHeader::parse(path, data, size));
    requireWholeTga(path, layout, size);

    FontSheet sheet(FontSheetBytes);
    if (layout.Kind != TgaPixelKind::Grey8) {
        // Colour pixels become grey by their luminance, as a .png sheet's do.
        std::vector<std::uint8_t> bgra(FontSheetBytes * 4);
        convertImage(path, layout, data, bgra.data());
        for (std::size_t k = 0; k < FontSheetBytes; ++k)
            sheet[k] = greyLevel(bgra[k * 4 + 2], bgra[k * 4 + 1], bgra[k * 4]);
        return sheet;
    }
    const bool topFirst = layout.Header.topRowFirst();
    const bool mirrored = layout.Header.rightToLeft();
    for (std::size_t row = 0; row < FontSheetSide; ++row) {
        const std::size_t fileRow = topFirst ? row : FontSheetSide - 1 - row;
        const std::uint8_t *source = data + layout.PixelOffset + fileRow * FontSheetSide;
        std::uint8_t *target = sheet.data() + row * FontSheetSide;
        if (mirrored) {
            for (std::size_t column = 0; column < FontSheetSide; ++column)
                target[column] = source[FontSheetSide - 1 - column];
        } else {
            std::memcpy(target, source, FontSheetSide);
        }
    }
    return sheet;
}
