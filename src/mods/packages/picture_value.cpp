#include "picture_value.h"

#include <algorithm>
#include <cstring>

#include "game_file_error.h"
#include "index_file.h"
#include "sha256.h"

std::string PictureKey::caption() const
{
    return font ? std::string(FontNames.at(std::size_t(number))) : std::to_string(number) + ".gpi";
}

namespace {

// How many of the pixels' bytes pixelDigest() takes.
std::size_t digestedBytes(const PixelBuffer &pixels, std::int32_t byteCount)
{
    return std::min(std::size_t(std::max(byteCount, 0)), pixels.size() * 4);
}

std::string bytesDigest(const PixelBuffer &pixels, std::int32_t byteCount)
{
    return Sha256::hex(pixels.data(), digestedBytes(pixels, byteCount));
}

} // namespace

std::string PictureValue::pixelDigest() const
{
    if (!knownPixelDigest.empty())
        return knownPixelDigest;
    return key.font ? Sha256::hex(sheet.data(), sheet.size()) : bytesDigest(pixels, byteCount);
}

std::string PictureValue::digest() const
{
    return key.font ? pixelDigest() : PictureValues::imageDigest(entry, blocks, pixelDigest());
}

namespace PictureValues {

std::string imageDigest(const TGPHDetails &entry, const std::vector<TGPHBlock> &blocks, const std::string &pixelDigest)
{
    Sha256 sha;
    const std::vector<std::uint8_t> bytes = entryBytes(entry, blocks);
    sha.update(bytes.data(), bytes.size());
    sha.update(pixelDigest.data(), pixelDigest.size());
    return Sha256::hex(sha.finish());
}

PictureValue current(const Catalogue &c, PictureKey key)
{
    PictureValue value;
    value.key = key;
    const auto slot = std::size_t(key.number);
    if (key.font) {
        value.sheet = c.FontBitmaps.at(slot);
        return value;
    }
    value.entry = c.ImageDetails.at(slot);
    value.blocks = c.ImageBlocks.at(slot);
    value.byteCount = c.ImageSizes.at(slot);
    value.pixels = c.ImagePixels.at(slot);
    return value;
}

std::string currentDigest(const Catalogue &c, PictureKey key)
{
    const auto slot = std::size_t(key.number);
    if (key.font)
        return Sha256::hex(c.FontBitmaps.at(slot).data(), c.FontBitmaps.at(slot).size());
    return imageDigest(c.ImageDetails.at(slot), c.ImageBlocks.at(slot), currentPixelDigest(c, key));
}

std::string currentPixelDigest(const Catalogue &c, PictureKey key)
{
    const auto slot = std::size_t(key.number);
    if (key.font)
        return Sha256::hex(c.FontBitmaps.at(slot).data(), c.FontBitmaps.at(slot).size());
    return bytesDigest(c.ImagePixels.at(slot), c.ImageSizes.at(slot));
}

bool holds(const Catalogue &c, const PictureValue &value)
{
    const auto slot = std::size_t(value.key.number);
    if (value.key.font)
        return slot < c.FontBitmaps.size() && c.FontBitmaps[slot] == value.sheet;
    if (!c.isImage(value.key.number) || slot >= c.ImagePixels.size())
        return false;
    const auto bytes = std::size_t(std::max(value.byteCount, 0));
    return c.ImageDetails[slot] == value.entry && c.ImageBlocks[slot] == value.blocks && c.ImageSizes[slot] == value.byteCount
        && c.ImagePixels[slot].size() * 4 >= bytes && value.pixels.size() * 4 >= bytes
        && (bytes == 0 || std::memcmp(c.ImagePixels[slot].data(), value.pixels.data(), bytes) == 0);
}

bool holdsPixelDigestOf(const Catalogue &c, const PictureValue &value)
{
    const auto slot = std::size_t(value.key.number);
    if (value.key.font)
        return c.FontBitmaps.at(slot) == value.sheet;
    const PixelBuffer &pixels = c.ImagePixels.at(slot);
    const std::size_t bytes = digestedBytes(pixels, c.ImageSizes.at(slot));
    return bytes == digestedBytes(value.pixels, value.byteCount) && (bytes == 0 || std::memcmp(pixels.data(), value.pixels.data(), bytes) == 0);
}

bool holdsEntryOf(const Catalogue &c, const PictureValue &value)
{
    if (value.key.font)
        return true;
    // The entry as the digest takes it: its bytes in the index, not the fields held.
    const auto slot = std::size_t(value.key.number);
    return entryBytes(c.ImageDetails.at(slot), c.ImageBlocks.at(slot)) == entryBytes(value.entry, value.blocks);
}

bool holdsDigestOf(const Catalogue &c, const PictureValue &value)
{
    return holdsEntryOf(c, value) && holdsPixelDigestOf(c, value);
}

bool put(Catalogue &c, PictureValue value)
{
    if (value.key.font)
        return c.replaceFontSheet(value.key.number, std::move(value.sheet));
    const int n = value.key.number;
    const bool entry = c.replaceIndexEntry(n, value.entry, value.blocks);
    const bool picture = c.replaceImage(n, value.entry.Width, value.entry.Height, value.byteCount, std::move(value.pixels));
    return entry || picture;
}

std::vector<std::uint8_t> entryBytes(const TGPHDetails &entry, const std::vector<TGPHBlock> &blocks)
{
    // The index writer on a one-image index, without its 8-byte header: one format, one writer.
    Catalogue one;
    one.ImageCount = 2;
    one.ImageDetails = {TGPHDetails{}, entry};
    one.ImageBlocks = {{}, blocks};
    std::vector<std::uint8_t> bytes = IndexFile::encode(one);
    bytes.erase(bytes.begin(), bytes.begin() + IndexFile::HeaderSize);
    return bytes;
}

void parseEntry(const std::string &source, const std::vector<std::uint8_t> &bytes, TGPHDetails &entry, std::vector<TGPHBlock> &blocks)
{
    std::vector<std::uint8_t> index = {2, 0, 0, 0, 0, 0, 0, 0};
    index.insert(index.end(), bytes.begin(), bytes.end());
    Catalogue one;
    IndexFile::parse(source, index.data(), index.size(), one);
    const std::size_t length = IndexFile::EntryFixedSize + IndexFile::BlockSize * one.ImageDetails[1].BlockCount;
    if (length != bytes.size())
        throw GameFileError(source, Message(CORE_WORDING("CoreMessages", "holds %1 bytes, not one index entry")).number(static_cast<long long>(bytes.size())));
    entry = one.ImageDetails[1];
    blocks = std::move(one.ImageBlocks[1]);
}

} // namespace PictureValues
