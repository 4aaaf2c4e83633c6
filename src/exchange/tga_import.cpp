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

DecodedImage readImageTga(const std::string &file)
{
    const std::vector<std::uint8_t> bytes = readPictureBytes(file, planImageTga);
    return decodeImageTga(file, bytes.data(), bytes.size());
}

FontSheet readFontTga(const std::string &file)
{
    const std::vector<std::uint8_t> bytes = readPictureBytes(file, planFontTga);
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
