#include "catalogue.h"

#include <algorithm>
#include <cstring>
#include <exception>

#include "game_paths.h"

bool Catalogue::imageHoldsGameFile(int n) const
{
    const auto slot = std::size_t(n);
    if (slot >= m_entriesOnDisk.size() || slot >= ImageBlocks.size() || slot >= ImagePixels.size() || ImageSizes[slot] < 0
        || m_entriesOnDisk[slot].details != ImageDetails[slot] || m_entriesOnDisk[slot].blocks != ImageBlocks[slot])
        return false;
    const auto bytes = std::size_t(ImageSizes[slot]);
    const FileOps::FileStamp loaded = loadedStamp(GamePaths::relativeImage(n));
    if (!loaded.exists || loaded.size != bytes || ImagePixels[slot].size() * sizeof(std::uint32_t) < bytes)
        return false;
    // The file decides, as long as no other program changed it since it was read.
    try {
        FileOps::InputFile file(GamePaths::image(GP4Path, n));
        if (file.stamp() != loaded)
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

void Catalogue::settleImageMark(int n, bool heldGameFile)
{
    if (!isImage(n))
        return;
    m_imageChanged.resize(std::size_t(ImageCount));
    // A picture that replaced the game file's own differs from the file: only one that replaced
    // another change can be the file's again, and only then is the file read.
    m_imageChanged[std::size_t(n)] = heldGameFile || !imageHoldsGameFile(n) ? 1 : 0;
}

void Catalogue::keepGameFontSheet(int i)
{
    if (i >= 0 && i < FontCount && !fontChanged(i) && std::size_t(i) < FontBitmaps.size())
        m_fontSheetsOnDisk[std::size_t(i)] = FontBitmaps[std::size_t(i)];
}

void Catalogue::settleFontMark(int i)
{
    if (i < 0 || i >= FontCount || std::size_t(i) >= FontBitmaps.size())
        return;
    const FontSheet &onDisk = m_fontSheetsOnDisk[std::size_t(i)];
    m_fontChanged[std::size_t(i)] = onDisk.empty() || onDisk != FontBitmaps[std::size_t(i)];
}
