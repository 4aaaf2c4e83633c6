#include "tga_export.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <vector>

#include "export_file.h"
#include "file_ops.h"
#include "game_file_error.h"

namespace {

constexpr std::int32_t LargestTgaSide = 65535;

void writeZeros(FileOps::OutputFile &out, std::size_t count)
{
    static const std::array<std::uint8_t, 4096> zeros{};
    while (count > 0) {
        const std::size_t chunk = std::min(count, zeros.size());
        out.write(zeros.data(), chunk);
        count -= chunk;
    }
}

// measure is the wording of the side: "image %1 is %2 pixels wide" or "... high".
void requireTgaSide(const std::string &target, int n, std::int32_t value, const char *measure)
{
    if (value < 0 || value > LargestTgaSide)
        throw GameFileError(target, Message::joined(Message(measure).number(n).number(value), CORE_WORDING("CoreMessages", "a .tga file can only hold 0 to 65535")));
}

} // namespace

std::string threeDigitName(int n)
{
    std::string name = std::to_string(n);
    if (n < 10)
        name = "0" + name;
    if (n < 100)
        name = "0" + name;
    return name;
}

TgaHeaderBytes imageTgaHeader(std::uint16_t width, std::uint16_t height)
{
    TgaHeader header;
    header.ImageType = TgaTrueColour;
    header.Width = width;
    header.Height = height;
    header.PixelDepth = 32;
    header.Descriptor = TgaTopRowFirstBit;
    return header.encode();
}

TgaHeaderBytes fontTgaHeader()
{
    TgaHeader header;
    header.ImageType = TgaGreyScale;
    header.Width = FontSheetSide;
    header.Height = FontSheetSide;
    header.PixelDepth = 8;
    header.Descriptor = TgaTopRowFirstBit;
    return header.encode();
}

void saveImageTga(const Catalogue &catalogue, int n, const std::string &name)
{
    const std::string target = name + ".tga";
    const auto slot = std::size_t(n);
    if (!catalogue.isImage(n) || slot >= catalogue.ImageDetails.size() || slot >= catalogue.ImageSizes.size()
        || slot >= catalogue.ImagePixels.size())
        throw GameFileError(target, Message(CORE_WORDING("CoreMessages", "there is no menu image number %1")).number(n));
    const TGPHDetails &details = catalogue.ImageDetails[slot];
    requireTgaSide(target, n, details.Width, CORE_WORDING("CoreMessages", "image %1 is %2 pixels wide"));
    requireTgaSide(target, n, details.Height, CORE_WORDING("CoreMessages", "image %1 is %2 pixels high"));
    const std::int32_t byteCount = catalogue.ImageSizes[slot];
    if (byteCount < 0)
        throw GameFileError(target, Message(CORE_WORDING("CoreMessages", "image %1 has a negative byte count (%2)")).number(n).number(byteCount));

    const TgaHeaderBytes header = imageTgaHeader(std::uint16_t(details.Width), std::uint16_t(details.Height));
    const PixelBuffer &pixels = catalogue.ImagePixels[slot];
    // The buffer may end short of the byte count by a partial pixel; the count is what is written.
    const std::size_t held = std::min(std::size_t(byteCount), pixels.size() * 4);
    writeExportFile(target, [&](FileOps::OutputFile &out) {
        out.write(header.data(), header.size());
        if (held > 0)
            out.write(pixels.data(), held);
        writeZeros(out, std::size_t(byteCount) - held);
    });
}

void saveFontTga(const Catalogue &catalogue, int i, const std::string &name)
{
    const std::string target = name + ".tga";
    if (i < 0 || i >= FontCount || std::size_t(i) >= catalogue.FontBitmaps.size())
        throw GameFileError(target, Message(CORE_WORDING("CoreMessages", "there is no font sheet number %1")).number(i));
    const FontSheet &sheet = catalogue.FontBitmaps[std::size_t(i)];
    if (sheet.size() != FontSheetBytes)
        throw GameFileError(target, Message(CORE_WORDING("CoreMessages", "font sheet %1 holds %2 bytes instead of 65536")).number(i).number(static_cast<long long>(sheet.size())));
    const TgaHeaderBytes header = fontTgaHeader();
    writeExportFile(target, [&](FileOps::OutputFile &out) {
        out.write(header.data(), header.size());
        out.write(sheet.data(), sheet.size());
    });
}

void saveAllImagesTga(const Catalogue &catalogue, const std::string &folderWithTrailingSeparator,
                      const std::function<void(int)> &progress)
{
    for (int n = 1; n < catalogue.ImageCount; ++n) {
        if (progress)
            progress(n);
        saveImageTga(catalogue, n, folderWithTrailingSeparator + threeDigitName(n));
    }
}
