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
// reported before the pixels are read or memory is taken for them; then reads only the bytes
// the picture needs.
std::vector<std::uint8_t> readPictureBytes(const std::string &file, Planner plan)
{
    FileOps::InputFile in(file);
    const std::uint64_t length = in.length();
    TgaHeaderBytes head{};
    const std::size_t headLength = std::size_t(std::min<std::uint64_t>(length, TgaHeaderSize));
    in.read(head.data(), headLength);
    const TgaLayout layout = plan(file, TgaHeader::parse(file, head.data(), headLength));
    requireWholeTga(file, layout, length);

    std::vector<std::uint8_t> bytes;
    try {
        bytes.resize(std::size_t(layout.end()));
    } catch (const std::bad_alloc &) {
        throw GameFileError(file, "not enough memory to read a " + layout.Header.sizeText() + " picture");
    }
    std::copy(head.begin(), head.end(), bytes.begin());
    in.read(bytes.data() + TgaHeaderSize, bytes.size() - TgaHeaderSize);
    in.close();
    return bytes;
}

} // namespace

bool importImageTga(Catalogue &catalogue, int n, const std::string &file)
{
    const auto slot = std::size_t(n);
    if (!catalogue.isImage(n) || slot >= catalogue.ImageDetails.size() || slot >= catalogue.ImageSizes.size()
        || slot >= catalogue.ImagePixels.size())
        throw GameFileError(file, "there is no menu image number " + std::to_string(n) + " to replace");
    DecodedImage image;
    {
        const std::vector<std::uint8_t> bytes = readPictureBytes(file, planImageTga);
        image = decodeImageTga(file, bytes.data(), bytes.size());
    }
    return catalogue.replaceImage(n, image.Width, image.Height, image.ByteCount, std::move(image.Pixels));
}

bool importFontTga(Catalogue &catalogue, int i, const std::string &file)
{
    if (i < 0 || i >= FontCount || std::size_t(i) >= catalogue.FontBitmaps.size())
        throw GameFileError(file, "there is no font sheet number " + std::to_string(i) + " to replace");
    const std::vector<std::uint8_t> bytes = readPictureBytes(file, planFontTga);
    return catalogue.replaceFontSheet(i, decodeFontTga(file, bytes.data(), bytes.size()));
}
