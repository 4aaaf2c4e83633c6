#include "catalogue.h"

#include <algorithm>
#include <limits>

#include "file_ops.h"
#include "folder_recovery.h"
#include "font_file.h"
#include "game_file_error.h"
#include "game_paths.h"
#include "index_file.h"

void Catalogue::Readsizes()
{
    const std::string path = GamePaths::index(GP4Path);
    FileOps::InputFile file(path);
    std::vector<std::uint8_t> bytes(std::size_t(file.length()));
    file.read(bytes.data(), bytes.size());
    file.close();
    Catalogue read;
    IndexFile::parse(path, bytes.data(), bytes.size(), read);

    // Only a whole index replaces what the catalogue held.
    ImageCount = read.ImageCount;
    IndexExtra = read.IndexExtra;
    ImageDetails = std::move(read.ImageDetails);
    ImageBlocks = std::move(read.ImageBlocks);
    ImagePixels.resize(std::size_t(ImageCount));
    m_imageChanged.assign(std::size_t(ImageCount), 0);
    m_imageLoaded.assign(std::size_t(ImageCount), 0);
    keepEntriesOnDisk();
    m_stamps.clear();
    m_stamps[GamePaths::relativeIndex()] = file.stamp();
}

void Catalogue::ImportGPI(int n)
{
    const std::string path = GamePaths::image(GP4Path, n);
    if (m_loadPurpose == LoadPurpose::Editing)
        FileOps::clearAttributes(path);
    FileOps::InputFile file(path);
    const std::uint64_t length = file.length();
    if (length > std::uint64_t(std::numeric_limits<std::int32_t>::max()))
        throw GameFileError(path, Message(CORE_WORDING("CoreMessages", "the image file holds %1 bytes, more than an image can hold")).number(static_cast<long long>(length)));
    PixelBuffer pixels(pixelElementsFor(std::size_t(length)));
    if (length % 4 != 0)
        pixels.back() = 0; // the partial last pixel's unused bytes stay defined
    file.read(pixels.data(), std::size_t(length));
    file.close();
    ImagePixels[std::size_t(n)] = std::move(pixels);
    ImageSizes[std::size_t(n)] = std::int32_t(length);
    m_imageChanged.resize(std::size_t(std::max(ImageCount, 0)));
    m_imageChanged[std::size_t(n)] = 0;
    m_imageLoaded.resize(std::size_t(std::max(ImageCount, 0)));
    m_imageLoaded[std::size_t(n)] = 1;
    m_stamps[GamePaths::relativeImage(n)] = file.stamp();
}

void Catalogue::ImportGPF(int i)
{
    const std::string path = GamePaths::font(GP4Path, i);
    if (m_loadPurpose == LoadPurpose::Editing)
        FileOps::clearAttributes(path);
    FileOps::InputFile file(path);
    // Read the header first so that the table's size is checked against the file before it is read.
    std::vector<std::uint8_t> bytes(FontFile::TableAt);
    if (file.length() < bytes.size())
        throw GameFileError(path, Message(CORE_WORDING("CoreMessages", "reading beyond the end of the file (%1)"))
                                      .nested(Message(CORE_COUNTED_WORDING("CoreMessages", "the file has only %n bytes, a font header needs 14")).count(static_cast<long long>(file.length()), "the file has only %n byte, a font header needs 14")));
    file.read(bytes.data(), bytes.size());
    bytes.resize(std::size_t(FontFile::bytesToRead(bytes.data(), file.length())));
    if (bytes.size() > FontFile::TableAt)
        file.read(bytes.data() + FontFile::TableAt, bytes.size() - FontFile::TableAt);
    file.close();
    // The parser reports a negative count or a short file; only a whole font replaces the old one.
    TGPFDetails details;
    FontSheet sheet;
    FontFile::parse(path, bytes.data(), bytes.size(), details, sheet, file.length());
    FontDetails[std::size_t(i)] = std::move(details);
    FontBitmaps[std::size_t(i)] = std::move(sheet);
    m_fontChanged[std::size_t(i)] = false;
    m_fontSheetsOnDisk[std::size_t(i)].clear();
    m_stamps[GamePaths::relativeFont(i)] = file.stamp();
}

void Catalogue::ImportAll(const LoadProgress &report)
{
    ImageSizes.resize(std::size_t(ImageCount));
    FontBitmaps.resize(FontCount);
    for (int n = 1; n < ImageCount; ++n) {
        if (report.progress)
            report.progress(n);
        ImportGPI(n);
        if (report.imageLoaded)
            report.imageLoaded(n);
    }
    ImportFonts(report);
}

void Catalogue::loadImages(const std::vector<int> &numbers)
{
    ImageSizes.resize(std::size_t(ImageCount));
    for (int n : numbers)
        if (isImage(n) && !imageLoaded(n))
            ImportGPI(n);
}

bool Catalogue::imageLoaded(int n) const
{
    return n >= 0 && std::size_t(n) < m_imageLoaded.size() && m_imageLoaded[std::size_t(n)] != 0;
}

void Catalogue::ImportFonts(const LoadProgress &report)
{
    ImageSizes.resize(std::size_t(ImageCount));
    FontBitmaps.resize(FontCount);
    for (int i = 0; i < FontCount; ++i) {
        if (report.progress)
            report.progress(ImageCount - 1 + i);
        ImportGPF(i);
        if (report.fontLoaded)
            report.fontLoaded(i);
    }
}

std::size_t Catalogue::loadedPixels(int n) const
{
    if (n < 0 || std::size_t(n) >= ImagePixels.size() || std::size_t(n) >= ImageSizes.size() || ImageSizes[std::size_t(n)] <= 0)
        return 0;
    return std::min(std::size_t(ImageSizes[std::size_t(n)]) / 4, ImagePixels[std::size_t(n)].size());
}

std::uint64_t Catalogue::totalBytes() const
{
    std::uint64_t total = 0;
    for (std::int32_t size : ImageSizes)
        total += size > 0 ? std::uint64_t(size) : 0;
    for (const FontSheet &sheet : FontBitmaps)
        total += sheet.size();
    return total;
}

bool Catalogue::replaceImage(int n, std::int32_t width, std::int32_t height, std::int32_t byteCount, PixelBuffer pixels)
{
    const auto slot = std::size_t(n);
    if (!isImage(n) || slot >= ImageDetails.size() || slot >= ImageSizes.size() || slot >= ImagePixels.size())
        return false;
    TGPHDetails &details = ImageDetails[slot];
    const bool same = details.Width == width && details.Height == height && ImageSizes[slot] == byteCount
        && ImagePixels[slot].size() == pixels.size()
        && std::equal(pixels.begin(), pixels.end(), ImagePixels[slot].begin());
    if (same)
        return false;
    const bool heldGameFile = holdsGameFilePicture(n);
    ImagePixels[slot] = std::move(pixels);
    ImageSizes[slot] = byteCount;
    details.Width = width;
    details.Height = height;
    settleImageMark(n, heldGameFile);
    return true;
}

bool Catalogue::replaceIndexEntry(int n, const TGPHDetails &details, std::vector<TGPHBlock> blocks)
{
    const auto slot = std::size_t(n);
    if (!isImage(n) || slot >= ImageDetails.size() || slot >= ImageBlocks.size() || blocks.size() != details.BlockCount)
        return false;
    if (ImageDetails[slot] == details && ImageBlocks[slot] == blocks)
        return false;
    ImageDetails[slot] = details;
    ImageBlocks[slot] = std::move(blocks);
    return true;
}

bool Catalogue::replaceFontSheet(int i, FontSheet sheet)
{
    if (i < 0 || i >= FontCount || std::size_t(i) >= FontBitmaps.size() || FontBitmaps[std::size_t(i)] == sheet)
        return false;
    keepGameFontSheet(i);
    FontBitmaps[std::size_t(i)] = std::move(sheet);
    settleFontMark(i);
    return true;
}

void Catalogue::markImageChanged(int n)
{
    if (!isImage(n))
        return;
    m_imageChanged.resize(std::size_t(ImageCount));
    m_imageChanged[std::size_t(n)] = 1;
}

void Catalogue::markFontChanged(int i)
{
    if (i >= 0 && i < FontCount)
        m_fontChanged[std::size_t(i)] = true;
}

bool Catalogue::imageChanged(int n) const
{
    return n >= 0 && std::size_t(n) < m_imageChanged.size() && m_imageChanged[std::size_t(n)] != 0;
}

bool Catalogue::fontChanged(int i) const
{
    return i >= 0 && i < FontCount && m_fontChanged[std::size_t(i)];
}

bool Catalogue::indexChanged() const
{
    if (m_entriesOnDisk.size() != ImageDetails.size() || ImageBlocks.size() != ImageDetails.size())
        return true;
    for (std::size_t n = 1; n < ImageDetails.size(); ++n)
        if (m_entriesOnDisk[n].details != ImageDetails[n] || m_entriesOnDisk[n].blocks != ImageBlocks[n])
            return true;
    return false;
}

void Catalogue::keepEntriesOnDisk()
{
    m_entriesOnDisk.clear();
    for (std::size_t n = 0; n < ImageDetails.size(); ++n)
        m_entriesOnDisk.push_back({ImageDetails[n], n < ImageBlocks.size() ? ImageBlocks[n] : std::vector<TGPHBlock>{}});
}

bool Catalogue::hasChanges() const
{
    return indexChanged() || std::find(m_imageChanged.begin(), m_imageChanged.end(), 1) != m_imageChanged.end()
        || std::find(m_fontChanged.begin(), m_fontChanged.end(), true) != m_fontChanged.end();
}

FileOps::FileStamp Catalogue::loadedStamp(const std::string &relative) const
{
    const auto found = m_stamps.find(relative);
    return found == m_stamps.end() ? FileOps::FileStamp{} : found->second;
}

void Catalogue::markIndexWritten(const FileOps::FileStamp &stamp)
{
    m_stamps[GamePaths::relativeIndex()] = stamp;
    keepEntriesOnDisk();
}

void Catalogue::markImageWritten(int n, const FileOps::FileStamp &stamp)
{
    m_stamps[GamePaths::relativeImage(n)] = stamp;
    if (std::size_t(n) < m_imageChanged.size())
        m_imageChanged[std::size_t(n)] = 0;
}

void Catalogue::markFontWritten(int i, const FileOps::FileStamp &stamp)
{
    m_stamps[GamePaths::relativeFont(i)] = stamp;
    m_fontChanged[std::size_t(i)] = false;
    m_fontSheetsOnDisk[std::size_t(i)].clear();
}

Catalogue loadGameFolder(const std::string &gp4Path, const LoadProgress &report, LoadPurpose purpose)
{
    const FolderRecovery::Opened opened = FolderRecovery::openForReading(gp4Path);
    if (!opened.settled.empty() && report.notice)
        report.notice(opened.settled);
    Catalogue fresh;
    fresh.setLoadPurpose(purpose);
    fresh.GP4Path = gp4Path;
    fresh.Readsizes();
    fresh.ImportAll(report);
    return fresh;
}
