#include "index_file.h"

#include "byte_order.h"
#include "catalogue.h"

namespace IndexFile {

void parse(const std::string &path, const std::uint8_t *data, std::size_t size, Catalogue &into)
{
    ByteReader in(path, data, size);
    const std::int32_t count = in.i32();
    const std::uint32_t extra = in.u32();
    if (count < 0)
        throw GameFileError(path, Message(CORE_WORDING("CoreMessages", "the image count %1 is negative")).number(count));
    // Every entry takes at least 46 bytes: a count the file can't hold is refused before any allocation.
    const std::size_t entries = count > 1 ? std::size_t(count) - 1 : 0;
    if (entries > in.remaining() / EntryFixedSize)
        in.need(entries * EntryFixedSize, Message(CORE_WORDING("CoreMessages", "the index lists %1 image slots but holds only %2 bytes")).number(count).number(static_cast<long long>(size)));

    into.ImageCount = count;
    into.IndexExtra = extra;
    into.ImageDetails.assign(std::size_t(count), TGPHDetails{});
    into.ImageBlocks.assign(std::size_t(count), {});

    for (std::size_t n = 1; n <= entries; ++n) {
        TGPHDetails &entry = into.ImageDetails[n];
        entry.Lead = in.u32();
        entry.BlockCount = in.u16();
        entry.Width = in.i32();
        entry.Height = in.i32();
        const std::size_t blockBytes = std::size_t(entry.BlockCount) * BlockSize;
        in.need(blockBytes + TrailerSize, Message(CORE_WORDING("CoreMessages", "entry %1 runs past the end of the file")).number(static_cast<long long>(n)));
        auto &blocks = into.ImageBlocks[n];
        blocks.resize(entry.BlockCount);
        for (TGPHBlock &block : blocks)
            in.bytes(block.Bytes.data(), BlockSize);
        in.bytes(entry.Trailer.data(), TrailerSize);
    }
}

std::vector<std::uint8_t> encode(const Catalogue &from)
{
    std::vector<std::uint8_t> bytes;
    std::size_t total = HeaderSize;
    for (std::int32_t n = 1; n < from.ImageCount; ++n)
        total += EntryFixedSize + BlockSize * from.ImageDetails[std::size_t(n)].BlockCount;
    bytes.reserve(total);

    ByteWriter out(bytes);
    out.i32(from.ImageCount);
    out.u32(from.IndexExtra);
    for (std::int32_t n = 1; n < from.ImageCount; ++n) {
        const TGPHDetails &entry = from.ImageDetails[std::size_t(n)];
        out.u32(entry.Lead);
        out.u16(entry.BlockCount);
        out.i32(entry.Width);
        out.i32(entry.Height);
        const auto &blocks = from.ImageBlocks[std::size_t(n)];
        // BlockCount is what the file says; the blocks held must match it to be written faithfully.
        for (std::size_t b = 0; b < entry.BlockCount; ++b) {
            if (b < blocks.size())
                out.bytes(blocks[b].Bytes.data(), BlockSize);
            else
                out.bytes(TGPHBlock{}.Bytes.data(), BlockSize);
        }
        out.bytes(entry.Trailer.data(), TrailerSize);
    }
    return bytes;
}

} // namespace IndexFile
