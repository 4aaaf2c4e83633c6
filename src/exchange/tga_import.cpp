#include "tga_import.h"

#include <algorithm>
#include <new>
#include <vector>

#include "file_ops.h"
#include "game_file_error.h"
#include "tga_decode.h"
#include "tga_layout.h"

namespace {

using Planner = TgaLayout (*)(const std::string &, const TgaHeader &);

// Reads the header first, so that a refused type or a file too short for its header's size is
// reported before the pixels are read or memory is taken for them.
TgaLayout readLayout(FileOps::InputFile &in, const std::string &file, Planner plan, TgaHeaderBytes &head)
{
    const std::uint64_t length = in.length();
    const std::size_t headLength = std::size_t(std::min<std::uint64_t>(length, TgaHeaderSize));
    in.read(head.data(), headLength);
    const TgaLayout layout = plan(file, TgaHeader::parse(file, head.data(), headLength));
    requireWholeTga(file, layout, length);
    return layout;
}

[[noreturn]] void noMemory(const std::string &file, const TgaLayout &layout)
{
    throw GameFileError(file, Message(CORE_WORDING("CoreMessages", "not enough memory to read a %1 picture")).name(layout.Header.sizeText()));
}

// The whole file up to the end of its picture (the header already read into head).
std::vector<std::uint8_t> readPictureBytes(FileOps::InputFile &in, const std::string &file, const TgaLayout &layout,
                                           const TgaHeaderBytes &head)
{
    std::vector<std::uint8_t> bytes;
    try {
        bytes.resize(std::size_t(layout.end()));
    } catch (const std::bad_alloc &) {
        noMemory(file, layout);
    }
    std::copy(head.begin(), head.end(), bytes.begin());
    in.read(bytes.data() + TgaHeaderSize, bytes.size() - TgaHeaderSize);
    in.close();
    return bytes;
}

// 32-bit pixels, top row first, left to right: the file holds the picture as the catalogue does.
bool storedAsHeld(const TgaLayout &layout)
{
    return layout.Kind == TgaPixelKind::Bgra32 && layout.Header.topRowFirst() && !layout.Header.rightToLeft();
}

} // namespace

DecodedImage readImageTga(const std::string &file)
{
    FileOps::InputFile in(file);
    TgaHeaderBytes head{};
    const TgaLayout layout = readLayout(in, file, planImageTga, head);
    if (!storedAsHeld(layout)) {
        const std::vector<std::uint8_t> bytes = readPictureBytes(in, file, layout, head);
        return decodeImageTga(file, bytes.data(), bytes.size());
    }
    // Straight into the picture's pixels, past the identification field and any colour map.
    DecodedImage image;
    image.Width = layout.Header.Width;
    image.Height = layout.Header.Height;
    image.ByteCount = std::int32_t(layout.PixelBytes);
    std::vector<std::uint8_t> before(std::size_t(layout.PixelOffset - TgaHeaderSize));
    try {
        image.Pixels.resize(std::size_t(layout.PixelBytes / 4));
    } catch (const std::bad_alloc &) {
        noMemory(file, layout);
    }
    if (!before.empty())
        in.read(before.data(), before.size());
    in.read(image.Pixels.data(), std::size_t(layout.PixelBytes));
    in.close();
    return image;
}

FontSheet readFontTga(const std::string &file)
{
    FileOps::InputFile in(file);
    TgaHeaderBytes head{};
    const TgaLayout layout = readLayout(in, file, planFontTga, head);
    const std::vector<std::uint8_t> bytes = readPictureBytes(in, file, layout, head);
    return decodeFontTga(file, bytes.data(), bytes.size());
}

PictureReader tgaReader()
{
    return {readImageTga, readFontTga};
}

bool importImageTga(Catalogue &catalogue, int n, const std::string &file)
{
    return importImage(catalogue, n, file, tgaReader());
}

bool importFontTga(Catalogue &catalogue, int i, const std::string &file)
{
    return importFont(catalogue, i, file, tgaReader());
}
