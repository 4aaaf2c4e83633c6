#include "catalogue.h"

#include <algorithm>
#include <limits>

#include "file_ops.h"
#include "font_file.h"
#include "game_file_error.h"
#include "game_paths.h"
#include "index_file.h"

void Catalogue::Readsizes()
{
    const std::string path = GamePaths::index(GP4Path);
    const std::vector<std::uint8_t> bytes = FileOps::readWhole(path);
    Catalogue read;
    IndexFile::parse(path, bytes.data(), bytes.size(), read);

    // Only a whole index replaces what the catalogue held.
    ImageCount = read.ImageCount;
    IndexExtra = read.IndexExtra;
    ImageDetails = std::move(read.ImageDetails);
    ImageBlocks = std::move(read.ImageBlocks);
    ImagePixels.resize(std::size_t(ImageCount));
}

void Catalogue::ImportGPI(int n)
{
    const std::string path = GamePaths::image(GP4Path, n);
    FileOps::clearAttributes(path);
    FileOps::InputFile file(path);
    const std::uint64_t length = file.length();
    if (length > std::uint64_t(std::numeric_limits<std::int32_t>::max()))
        throw GameFileError(path, "the image file holds " + std::to_string(length) + " bytes, more than an image can hold");
    PixelBuffer pixels(pixelElementsFor(std::size_t(length)));
    if (length % 4 != 0)
        pixels.back() = 0; // the partial last pixel's unused bytes stay defined
    file.read(pixels.data(), std::size_t(length));
    file.close();
    ImagePixels[std::size_t(n)] = std::move(pixels);
    ImageSizes[std::size_t(n)] = std::int32_t(length);
}

void Catalogue::ImportGPF(int i)
{
    const std::string path = GamePaths::font(GP4Path, i);
    FileOps::clearAttributes(path);
    FileOps::InputFile file(path);
    // Read the header first so that the table's size is checked against the file before it is read.
    std::vector<std::uint8_t> bytes(FontFile::TableAt);
    if (file.length() < bytes.size())
        throw GameFileError(path, std::string(FailureText::BeyondEnd) + " (the file has only " + std::to_string(file.length())
                                      + " bytes, a font header needs 14)");
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

Catalogue loadGameFolder(const std::string &gp4Path, const LoadProgress &report)
{
    Catalogue fresh;
    fresh.GP4Path = gp4Path;
    fresh.Readsizes();
    fresh.ImportAll(report);
    return fresh;
}
