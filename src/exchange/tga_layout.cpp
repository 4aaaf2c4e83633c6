#include "tga_layout.h"

#include <limits>

#include "game_file_error.h"
#include "tga_rle_refused.h"

namespace {

void refuseRunLengthAndUnknownMaps(const std::string &path, const TgaHeader &h)
{
    // Only the run-length types get the RLE message: any other byte there (a text file's, say)
    // is refused below with what it is.
    if (h.ImageType >= TgaFirstRunLength && h.ImageType <= TgaLastRunLength)
        throw TgaRleRefused(path);
    if (h.ColourMapType > 1)
        throw GameFileError(path, "colour map type " + std::to_string(h.ColourMapType)
                                      + " is not one the .tga format defines; this is not a .tga file Tessary can read");
}

// Everything before the pixels: the header, the identification field and any colour map.
void locateParts(TgaLayout &layout)
{
    const TgaHeader &h = layout.Header;
    layout.MapOffset = TgaHeaderSize + std::uint64_t(h.IdLength);
    const std::uint32_t entryBytes = h.ColourMapType == 1 ? (std::uint32_t(h.ColourMapEntryBits) + 7) / 8 : 0;
    layout.MapEntryBytes = entryBytes;
    layout.PixelOffset = layout.MapOffset + std::uint64_t(h.ColourMapLength) * entryBytes;
    layout.PixelBytes = std::uint64_t(h.Width) * h.Height * layout.BytesPerPixel;
}

void pickImageKind(const std::string &path, TgaLayout &layout)
{
    const TgaHeader &h = layout.Header;
    const std::string depth = std::to_string(h.PixelDepth) + "-bit";
    switch (h.ImageType) {
    case TgaNoImage:
        throw GameFileError(path, "the file holds no picture (image type 0)");
    case TgaTrueColour:
        if (h.PixelDepth == 32) {
            layout.Kind = TgaPixelKind::Bgra32;
            layout.BytesPerPixel = 4;
        } else if (h.PixelDepth == 24) {
            layout.Kind = TgaPixelKind::Bgr24;
            layout.BytesPerPixel = 3;
        } else {
            throw GameFileError(path, depth + " true-colour .tga files can't be read; save the picture with 24 or 32 bits per pixel");
        }
        return;
    case TgaColourMapped:
        if (h.ColourMapType != 1)
            throw GameFileError(path, "the file is colour-mapped (image type 1) but holds no colour map");
        if (h.PixelDepth != 8)
            throw GameFileError(path, "colour-mapped .tga files with " + depth
                                          + " colour indices can't be read; only 8-bit indices can");
        if (h.ColourMapEntryBits != 24 && h.ColourMapEntryBits != 32)
            throw GameFileError(path, "colour maps with " + std::to_string(h.ColourMapEntryBits)
                                          + "-bit entries can't be read; save the picture with a 24- or 32-bit colour map, "
                                            "or as 24- or 32-bit true-colour");
        layout.Kind = TgaPixelKind::Mapped8;
        layout.BytesPerPixel = 1;
        return;
    case TgaGreyScale:
        if (h.PixelDepth != 8)
            throw GameFileError(path, depth + " grey-scale .tga files can't be read; only 8-bit grey-scale can");
        layout.Kind = TgaPixelKind::Grey8;
        layout.BytesPerPixel = 1;
        return;
    default:
        throw GameFileError(path, "image type " + std::to_string(h.ImageType)
                                      + " is not an uncompressed true-colour, colour-mapped or grey-scale .tga file");
    }
}

} // namespace

TgaLayout planImageTga(const std::string &path, const TgaHeader &header)
{
    refuseRunLengthAndUnknownMaps(path, header);
    TgaLayout layout;
    layout.Header = header;
    pickImageKind(path, layout);
    const std::uint64_t byteCount = std::uint64_t(header.Width) * header.Height * 4;
    if (byteCount > std::uint64_t(std::numeric_limits<std::int32_t>::max()))
        throw GameFileError(path, "a " + header.sizeText() + " picture needs " + std::to_string(byteCount)
                                      + " bytes, more than the 2147483647 a menu image can hold");
    locateParts(layout);
    return layout;
}

TgaLayout planFontTga(const std::string &path, const TgaHeader &header)
{
    refuseRunLengthAndUnknownMaps(path, header);
    // A colour sheet, as a paint program saves a picture in colour, is read as an image is and
    // made grey.
    TgaLayout layout;
    layout.Header = header;
    pickImageKind(path, layout);
    if (header.Width != 256 || header.Height != 256)
        throw GameFileError(path, "the picture is " + header.sizeText() + " pixels; a font sheet must be 256 x 256");
    locateParts(layout);
    return layout;
}

void requireWholeTga(const std::string &path, const TgaLayout &layout, std::uint64_t size)
{
    if (size >= layout.end())
        return;
    const TgaHeader &h = layout.Header;
    throw GameFileError(path, std::string(FailureText::BeyondEnd) + " (the header announces a " + h.sizeText() + " picture of "
                                  + std::to_string(h.PixelDepth) + " bits per pixel, which needs " + std::to_string(layout.end())
                                  + " bytes, but the file has only " + std::to_string(size) + ")");
}
