#include "catalogue.h"

#include <algorithm>
#include <cstring>
#include <exception>

#include "game_paths.h"

namespace {

// A fast digest of an image's bytes: a picture whose digest differs from its game file's surely
// differs from it; one whose digest matches is compared with the file itself.
std::uint64_t digestOf(const PixelBuffer &pixels, std::size_t bytes)
{
    bytes = std::min(bytes, pixels.size() * sizeof(std::uint32_t));
    std::uint64_t digest = 0xcbf29ce484222325ull ^ bytes;
    const std::size_t whole = bytes / sizeof(std::uint32_t);
    for (std::size_t i = 0; i < whole; ++i) {
        digest = (digest ^ pixels[i]) * 0x100000001b3ull;
        digest ^= digest >> 29;
    }
    if (whole < pixels.size()) {
        std::uint32_t last = 0;
        std::memcpy(&last, &pixels[whole], bytes % sizeof(std::uint32_t));
        digest = (digest ^ last) * 0x100000001b3ull;
    }
    return digest;
}

} // namespace

void Catalogue::keepGameFileState(int n)
{
    const auto slot = std::size_t(n);
    if (!isImage(n) || imageChanged(n) || !imageLoaded(n) || slot >= ImagePixels.size() || slot >= ImageSizes.size())
        return;
    m_imageDigests.resize(std::size_t(ImageCount));
    m_imageDigests[slot] = {true, digestOf(ImagePixels[slot], std::size_t(std::max(ImageSizes[slot], 0)))};
}

void Catalogue::keepGameFontSheet(int i)
{
    if (i >= 0 && i < FontCount && !fontChanged(i) && std::size_t(i) < FontBitmaps.size())
        m_fontSheetsOnDisk[std::size_t(i)] = FontBitmaps[std::size_t(i)];
}

void Catalogue::forgetGameFileState(int n)
{
    if (n >= 0 && std::size_t(n) < m_imageDigests.size())
        m_imageDigests[std::size_t(n)] = {};
}

bool Catalogue::imageHoldsGameFile(int n) const
{
    const auto slot = std::size_t(n);
    if (slot >= m_imageDigests.size() || !m_imageDigests[slot].known || slot >= m_entriesOnDisk.size()
        || slot >= ImageBlocks.size() || m_entriesOnDisk[slot].details != ImageDetails[slot]
        || m_entriesOnDisk[slot].blocks != ImageBlocks[slot] || ImageSizes[slot] < 0)
        return false;
    const auto bytes = std::size_t(ImageSizes[slot]);
    if (digestOf(ImagePixels[slot], bytes) != m_imageDigests[slot].value)
        return false;
    // The digest only says the bytes are likely the same: the file decides, as long as no other
    // program changed it since it was read.
    try {
        FileOps::InputFile file(GamePaths::image(GP4Path, n));
        if (file.length() != bytes || file.stamp() != loadedStamp(GamePaths::relativeImage(n)))
            return false;
        const auto *held = reinterpret_cast<const std::uint8_t *>(ImagePixels[slot].data());
        std::vector<std::uint8_t> chunk(std::min<std::size_t>(bytes, 1 << 20));
        for (std::size_t at = 0; at < bytes; at += chunk.size()) {
            const std::size_t count = std::min(chunk.size(), bytes - at);
            file.read(chunk.data(), count);
            if (std::memcmp(chunk.data(), held + at, count) != 0)
                return false;
        }
        return true;
    } catch (const std::exception &) {
        return false; // a file that can't be read is no proof: the picture keeps its mark
    }
}

void Catalogue::settleImageMark(int n)
{
    if (!isImage(n))
        return;
    m_imageChanged.resize(std::size_t(ImageCount));
    m_imageChanged[std::size_t(n)] = imageHoldsGameFile(n) ? 0 : 1;
}

void Catalogue::settleFontMark(int i)
{
    if (i < 0 || i >= FontCount || std::size_t(i) >= FontBitmaps.size())
        return;
    const FontSheet &onDisk = m_fontSheetsOnDisk[std::size_t(i)];
    m_fontChanged[std::size_t(i)] = onDisk.empty() || onDisk != FontBitmaps[std::size_t(i)];
}
