#include "catalogue.h"

#include "game_file_error.h"
#include "game_paths.h"

void Catalogue::revertImage(int n)
{
    if (!isImage(n) || std::size_t(n) >= ImageDetails.size() || std::size_t(n) >= ImageBlocks.size()
        || std::size_t(n) >= m_entriesOnDisk.size())
        throw GameFileError(GamePaths::image(GP4Path, n), Message(CORE_WORDING("CoreMessages", "there is no menu image number %1")).number(n));
    // The file is read whole before anything changes; only then does the entry follow it.
    ImportGPI(n);
    ImageDetails[std::size_t(n)] = m_entriesOnDisk[std::size_t(n)].details;
    ImageBlocks[std::size_t(n)] = m_entriesOnDisk[std::size_t(n)].blocks;
}

void Catalogue::revertFont(int i)
{
    if (i < 0 || i >= FontCount || std::size_t(i) >= FontBitmaps.size())
        throw GameFileError(GP4Path, Message(CORE_WORDING("CoreMessages", "there is no font number %1")).number(i));
    ImportGPF(i);
}

std::pair<std::int32_t, std::int32_t> Catalogue::sizeOnDisk(int n) const
{
    if (n < 0 || std::size_t(n) >= m_entriesOnDisk.size())
        return {0, 0};
    return {m_entriesOnDisk[std::size_t(n)].details.Width, m_entriesOnDisk[std::size_t(n)].details.Height};
}

bool Catalogue::entryOnDiskIs(int n, const TGPHDetails &details, const std::vector<TGPHBlock> &blocks) const
{
    return n >= 0 && std::size_t(n) < m_entriesOnDisk.size() && m_entriesOnDisk[std::size_t(n)].details == details
        && m_entriesOnDisk[std::size_t(n)].blocks == blocks;
}

std::pair<TGPHDetails, std::vector<TGPHBlock>> Catalogue::entryOnDisk(int n) const
{
    const EntryOnDisk &entry = m_entriesOnDisk.at(std::size_t(n));
    return {entry.details, entry.blocks};
}

std::vector<int> Catalogue::takeEntriesFrom(const Catalogue &index)
{
    std::vector<int> taken;
    if (index.ImageCount != ImageCount || m_entriesOnDisk.size() != ImageDetails.size() || index.ImageDetails.size() != ImageDetails.size()
        || index.ImageBlocks.size() != ImageDetails.size() || ImageBlocks.size() != ImageDetails.size())
        return taken;
    IndexExtra = index.IndexExtra;
    for (std::size_t n = 1; n < ImageDetails.size(); ++n) {
        EntryOnDisk &onDisk = m_entriesOnDisk[n];
        const bool ours = onDisk.details != ImageDetails[n] || onDisk.blocks != ImageBlocks[n];
        onDisk = {index.ImageDetails[n], index.ImageBlocks[n]};
        if (ours || (ImageDetails[n] == onDisk.details && ImageBlocks[n] == onDisk.blocks))
            continue;
        ImageDetails[n] = onDisk.details;
        ImageBlocks[n] = onDisk.blocks;
        taken.push_back(int(n));
    }
    return taken;
}
