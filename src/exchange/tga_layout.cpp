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
        throw GameFileError(path, Message::joined(Message(CORE_WORDING("CoreMessages", "colour map type %1 is not one the .tga format defines")).number(h.ColourMapType),
                                                  CORE_WORDING("CoreMessages", "this is not a .tga file Tessary can read")));
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
    switch (h.ImageType) {
    case TgaNoImage:
        throw GameFileError(path, CORE_WORDING("CoreMessages", "the file holds no picture (image type 0)"));
    case TgaTrueColour:
        if (h.PixelDepth == 32) {
            layout.Kind = TgaPixelKind::Bgra32;
            layout.BytesPerPixel = 4;
        } else if (h.PixelDepth == 24) {
            layout.Kind = TgaPixelKind::Bgr24;
            layout.BytesPerPixel = 3;
        } else {
            throw GameFileError(path, Message::joined(Message(CORE_WORDING("CoreMessages", "%1-bit true-colour .tga files can't be read")).number(h.PixelDepth),
                                                      CORE_WORDING("CoreMessages", "save the picture with 24 or 32 bits per pixel")));
        }
        return;
    case TgaColourMapped:
        if (h.ColourMapType != 1)
            throw GameFileError(path, CORE_WORDING("CoreMessages", "the file is colour-mapped (image type 1) but holds no colour map"));
        if (h.PixelDepth != 8)
            throw GameFileError(path, Message::joined(Message(CORE_WORDING("CoreMessages", "colour-mapped .tga files with %1-bit colour indices can't be read")).number(h.PixelDepth),
                                                      CORE_WORDING("CoreMessages", "only 8-bit indices can")));
        if (h.ColourMapEntryBits != 24 && h.ColourMapEntryBits != 32)
            throw GameFileError(path, Message::joined(Message(CORE_WORDING("CoreMessages", "colour maps with %1-bit entries can't be read")).number(h.ColourMapEntryBits),
                                                      CORE_WORDING("CoreMessages", "save the picture with a 24- or 32-bit colour map, or as 24- or 32-bit true-colour")));
        layout.Kind = TgaPixelKind::Mapped8;
        layout.BytesPerPixel = 1;
        return;
    case TgaGreyScale:
        if (h.PixelDepth != 8)
            throw GameFileError(path, Message::joined(Message(CORE_WORDING("CoreMessages", "%1-bit grey-scale .tga files can't be read")).number(h.PixelDepth), CORE_WORDING("CoreMessages", "only 8-bit grey-scale can")));
        layout.Kind = TgaPixelKind::Grey8;
        layout.BytesPerPixel = 1;
        return;
    default:
        throw GameFileError(path, Message(CORE_WORDING("CoreMessages", "image type %1 is not an uncompressed true-colour, colour-mapped or grey-scale .tga file")).number(h.ImageType));
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
        throw GameFileError(path, Message(CORE_WORDING("CoreMessages", "a %1 picture needs %2 bytes, more than the 2147483647 a menu image can hold")).name(header.sizeText()).number(static_cast<long long>(byteCount)));
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
        throw GameFileError(path, Message::joined(Message(CORE_WORDING("CoreMessages", "the picture is %1 pixels")).name(header.sizeText()), CORE_WORDING("CoreMessages", "a font sheet must be 256 x 256")));
    locateParts(layout);
    return layout;
}

void requireWholeTga(const std::string &path, const TgaLayout &layout, std::uint64_t size)
{
    if (size >= layout.end())
        return;
    const TgaHeader &h = layout.Header;
    throw GameFileError(path, Message(CORE_WORDING("CoreMessages", "reading beyond the end of the file (%1)"))
                                  .nested(Message(CORE_WORDING("CoreMessages", "the header announces a %1 picture of %2 bits per pixel, which needs %3 bytes, but the file has only %4"))
                                              .name(h.sizeText())
                                              .number(h.PixelDepth)
                                              .number(static_cast<long long>(layout.end()))
                                              .number(static_cast<long long>(size))));
}
