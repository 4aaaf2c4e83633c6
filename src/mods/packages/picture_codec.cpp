#include "picture_codec.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>

#include "game_file_error.h"

namespace {

std::uint32_t bigEndian32(const std::uint8_t *at)
{
    return std::uint32_t(at[0]) << 24 | std::uint32_t(at[1]) << 16 | std::uint32_t(at[2]) << 8 | at[3];
}

} // namespace

void DecodeBudget::take(const std::string &source, const std::string &entry, const std::vector<std::uint8_t> &bytes)
{
    // The size the header promises: a PNG's IHDR, or a TGA's 16-bit width and height.
    std::uint64_t width = 0, height = 0;
    if (PictureBytes::isPng(bytes) && bytes.size() >= 24) {
        width = bigEndian32(bytes.data() + 16);
        height = bigEndian32(bytes.data() + 20);
    } else if (!PictureBytes::isPng(bytes) && bytes.size() >= 18) {
        width = std::uint64_t(bytes[12]) | std::uint64_t(bytes[13]) << 8;
        height = std::uint64_t(bytes[14]) | std::uint64_t(bytes[15]) << 8;
    }
    if (width > std::uint64_t(MaxSide) || height > std::uint64_t(MaxSide))
        throw GameFileError(source, Message(CORE_WORDING("CoreMessages", "%1 is %2 x %3 pixels, larger than the %4 x %5 Tessary takes from a mod"))
                                        .name(entry)
                                        .number(static_cast<long long>(width))
                                        .number(static_cast<long long>(height))
                                        .number(MaxSide)
                                        .number(MaxSide));
    const std::uint64_t decoded = width * height * 4;
    if (decoded > m_left)
        throw GameFileError(source, Message(CORE_WORDING("CoreMessages", "%1 would bring the mod's decoded pictures past %2 MB, more than any menu mod holds"))
                                        .name(entry)
                                        .number(static_cast<long long>(m_total >> 20)));
    m_left -= decoded;
}

namespace {

// Pictures of another kind that a mod may hold under a .png or .tga name, by their first bytes.
const char *otherKind(const std::vector<std::uint8_t> &bytes)
{
    auto starts = [&bytes](std::initializer_list<std::uint8_t> lead) {
        return bytes.size() >= lead.size() && std::equal(lead.begin(), lead.end(), bytes.begin());
    };
    if (starts({0xFF, 0xD8, 0xFF}))
        return CORE_WORDING("CoreMessages", "a JPEG picture");
    if (starts({'G', 'I', 'F', '8'}))
        return CORE_WORDING("CoreMessages", "a GIF picture");
    if (starts({'B', 'M'}) && bytes.size() >= 26 && bytes[14] >= 12 && bytes[15] == 0)
        return CORE_WORDING("CoreMessages", "a BMP picture");
    if (starts({'R', 'I', 'F', 'F'}) && bytes.size() >= 12 && std::equal(bytes.begin() + 8, bytes.begin() + 12, "WEBP"))
        return CORE_WORDING("CoreMessages", "a WebP picture");
    return nullptr;
}

void requireOwnKind(const std::string &name, const std::vector<std::uint8_t> &bytes)
{
    if (const char *kind = otherKind(bytes))
        throw GameFileError(name, Message::joined(Message(CORE_WORDING("CoreMessages", "is %1, not a PNG or TGA file, whatever its name says")).nested(kind),
                                                  CORE_WORDING("CoreMessages", "save it as .png or .tga")));
}

} // namespace

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
            throw GameFileError(name, CORE_WORDING("CoreMessages", "this program reads no .png files"));
        return codec.decodeImage(name, bytes);
    }
    requireOwnKind(name, bytes);
    return decodeImageTga(name, bytes.data(), bytes.size());
}

FontSheet font(const PictureCodec &codec, const std::string &name, const std::vector<std::uint8_t> &bytes)
{
    if (isPng(bytes)) {
        if (!codec.decodeFont)
            throw GameFileError(name, CORE_WORDING("CoreMessages", "this program reads no .png files"));
        return codec.decodeFont(name, bytes);
    }
    requireOwnKind(name, bytes);
    return decodeFontTga(name, bytes.data(), bytes.size());
}

} // namespace PictureBytes
