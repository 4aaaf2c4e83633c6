#include "font_file.h"

#include <algorithm>

#include "byte_order.h"

namespace FontFile {

void parse(const std::string &path, const std::uint8_t *data, std::size_t size, TGPFDetails &details, FontSheet &sheet,
           std::uint64_t fileLength)
{
    ByteReader in(path, data, size);
    TGPFDetails read;
    read.TableCount = in.i32();
    read.HeaderWord = in.u16();
    read.HeaderIntA = in.u32();
    read.HeaderIntB = in.u32();
    if (read.TableCount < 0)
        throw GameFileError(path, Message(CORE_WORDING("CoreMessages", "the font table count %1 is negative")).number(read.TableCount));
    const std::size_t entries = std::size_t(read.TableCount);
    // The table and the sheet must both be there before the table is allocated.
    if (entries > in.remaining() / 4 || entries * 4 + FontSheetBytes > in.remaining())
        in.need(entries * 4 + FontSheetBytes, Message(CORE_WORDING("CoreMessages", "a table of %1 entries and a sheet need %2 bytes, the file has %3"))
                                                  .number(read.TableCount)
                                                  .number(static_cast<long long>(TableAt + entries * 4 + FontSheetBytes))
                                                  .number(static_cast<long long>(std::max<std::uint64_t>(size, fileLength))));
    read.Table.resize(entries);
    for (std::uint32_t &value : read.Table)
        value = in.u32();
    FontSheet readSheet(FontSheetBytes);
    in.bytes(readSheet.data(), FontSheetBytes);

    details = std::move(read);
    sheet = std::move(readSheet);
}

std::uint64_t bytesToRead(const std::uint8_t *header, std::uint64_t fileLength)
{
    ByteReader in("", header, TableAt);
    const std::int32_t tableCount = in.i32();
    if (tableCount < 0)
        return TableAt;
    const std::uint64_t needed = TableAt + std::uint64_t(tableCount) * 4 + FontSheetBytes;
    return needed <= fileLength ? needed : TableAt;
}

std::vector<std::uint8_t> encode(const TGPFDetails &details, const FontSheet &sheet)
{
    std::vector<std::uint8_t> bytes;
    const std::size_t entries = details.TableCount > 0 ? std::size_t(details.TableCount) : 0;
    bytes.reserve(TableAt + entries * 4 + FontSheetBytes);
    ByteWriter out(bytes);
    out.i32(details.TableCount);
    out.u16(details.HeaderWord);
    out.u32(details.HeaderIntA);
    out.u32(details.HeaderIntB);
    for (std::size_t e = 0; e < entries; ++e)
        out.u32(e < details.Table.size() ? details.Table[e] : 0);
    // A sheet is always 65536 bytes; a short one (never loaded) is padded rather than truncating the file.
    const std::size_t have = std::min(sheet.size(), FontSheetBytes);
    out.bytes(sheet.data(), have);
    bytes.resize(bytes.size() + (FontSheetBytes - have), 0);
    return bytes;
}

} // namespace FontFile
