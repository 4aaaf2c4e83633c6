#include "picture_codec.h"

#include <cstring>

#include "game_file_error.h"

namespace PictureBytes {

bool isPng(const std::vector<std::uint8_t> &bytes)
{
    static const std::uint8_t signature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    return bytes.size() >= sizeof signature && std::memcmp(bytes.data(), signature, sizeof signature) == 0;
}

DecodedImage image(const PictureCodec &codec, const std::string &name, const std::vector<std::uint8_t> &bytes)
{
    if (isPng(bytes)) {
        if (!codec.decodeImage)
            throw GameFileError(name, "this program reads no .png files");
        return codec.decodeImage(name, bytes);
    }
    return decodeImageTga(name, bytes.data(), bytes.size());
}

FontSheet font(const PictureCodec &codec, const std::string &name, const std::vector<std::uint8_t> &bytes)
{
    if (isPng(bytes)) {
        if (!codec.decodeFont)
            throw GameFileError(name, "this program reads no .png files");
        return codec.decodeFont(name, bytes);
    }
    return decodeFontTga(name, bytes.data(), bytes.size());
}

} // namespace PictureBytes
