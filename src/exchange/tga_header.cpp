#include "tga_header.h"

#include <algorithm>
#include <vector>

#include "byte_order.h"

TgaHeader TgaHeader::parse(const std::string &path, const std::uint8_t *data, std::size_t size)
{
    ByteReader in(path, data, size);
    in.need(TgaHeaderSize, Message(CORE_COUNTED_WORDING("CoreMessages", "the file has only %n bytes, a .tga header needs 18")).count(static_cast<long long>(size), "the file has only %n byte, a .tga header needs 18"));
    TgaHeader h;
    h.IdLength = in.u8();
    h.ColourMapType = in.u8();
    h.ImageType = in.u8();
    h.ColourMapFirst = in.u16();
    h.ColourMapLength = in.u16();
    h.ColourMapEntryBits = in.u8();
    h.XOrigin = in.u16();
    h.YOrigin = in.u16();
    h.Width = in.u16();
    h.Height = in.u16();
    h.PixelDepth = in.u8();
    h.Descriptor = in.u8();
    return h;
}

TgaHeaderBytes TgaHeader::encode() const
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(TgaHeaderSize);
    ByteWriter out(bytes);
    out.u8(IdLength);
    out.u8(ColourMapType);
    out.u8(ImageType);
    out.u16(ColourMapFirst);
    out.u16(ColourMapLength);
    out.u8(ColourMapEntryBits);
    out.u16(XOrigin);
    out.u16(YOrigin);
    out.u16(Width);
    out.u16(Height);
    out.u8(PixelDepth);
    out.u8(Descriptor);
    TgaHeaderBytes result{};
    std::copy(bytes.begin(), bytes.end(), result.begin());
    return result;
}
