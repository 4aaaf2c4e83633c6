#include "tga_fixtures.h"

#include <cstring>
#include <fstream>
#include <iterator>

namespace TgaFixtures {

Bytes patternBgra(int width, int height, int variant)
{
    Bytes bytes;
    bytes.reserve(std::size_t(width) * std::size_t(height) * 4);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            bytes.push_back(std::uint8_t(x * 7 + y * 3 + variant));
            bytes.push_back(std::uint8_t(y * 11 + x + variant * 5));
            bytes.push_back(std::uint8_t((x ^ y) * 13 + variant * 3));
            bytes.push_back(std::uint8_t((x + y * width) * 17 % 256));
        }
    }
    return bytes;
}

FontSheet patternSheet(int variant)
{
    FontSheet sheet(FontSheetBytes);
    for (std::size_t k = 0; k < sheet.size(); ++k)
        sheet[k] = std::uint8_t((k >> 8) * 3 + (k & 0xFF) * 5 + std::size_t(variant));
    return sheet;
}

Bytes bytesOf(const PixelBuffer &pixels, std::size_t count)
{
    Bytes bytes(count);
    if (count)
        std::memcpy(bytes.data(), pixels.data(), count);
    return bytes;
}

PixelBuffer bufferOf(const Bytes &bgra)
{
    PixelBuffer pixels(pixelElementsFor(bgra.size()));
    if (!pixels.empty())
        pixels.back() = 0;
    if (!bgra.empty())
        std::memcpy(pixels.data(), bgra.data(), bgra.size());
    return pixels;
}

Catalogue makeCatalogue(const std::vector<std::pair<int, int>> &sizes)
{
    Catalogue c;
    c.GP4Path = "memory";
    c.ImageCount = std::int32_t(sizes.size() + 1);
    c.ImageDetails.resize(sizes.size() + 1);
    c.ImageBlocks.resize(sizes.size() + 1);
    c.ImagePixels.resize(sizes.size() + 1);
    c.ImageSizes.resize(sizes.size() + 1);
    for (std::size_t k = 0; k < sizes.size(); ++k) {
        const std::size_t n = k + 1;
        const auto [width, height] = sizes[k];
        c.ImageDetails[n].Lead = 0xA5000000u + std::uint32_t(n);
        c.ImageDetails[n].Width = width;
        c.ImageDetails[n].Height = height;
        c.ImageDetails[n].Trailer.fill(std::uint8_t(0xF0 + n));
        const Bytes bgra = patternBgra(width, height, int(n));
        c.ImagePixels[n] = bufferOf(bgra);
        c.ImageSizes[n] = std::int32_t(bgra.size());
    }
    c.FontBitmaps.resize(FontCount);
    for (int i = 0; i < FontCount; ++i)
        c.FontBitmaps[std::size_t(i)] = patternSheet(i);
    return c;
}

Bytes inFileOrder(const Bytes &topLeft, int width, int height, int bytesPerPixel, std::uint8_t descriptor)
{
    const bool bottomFirst = (descriptor & 0x20) == 0;
    const bool rightToLeft = (descriptor & 0x10) != 0;
    Bytes file(topLeft.size());
    for (int y = 0; y < height; ++y) {
        const int fileRow = bottomFirst ? height - 1 - y : y;
        for (int x = 0; x < width; ++x) {
            const int fileColumn = rightToLeft ? width - 1 - x : x;
            const std::size_t from = (std::size_t(y) * std::size_t(width) + std::size_t(x)) * std::size_t(bytesPerPixel);
            const std::size_t to = (std::size_t(fileRow) * std::size_t(width) + std::size_t(fileColumn)) * std::size_t(bytesPerPixel);
            std::memcpy(file.data() + to, topLeft.data() + from, std::size_t(bytesPerPixel));
        }
    }
    return file;
}

Bytes buildTga(const TgaHeader &header, const Bytes &id, const Bytes &colourMap, const Bytes &pixels)
{
    const TgaHeaderBytes head = header.encode();
    Bytes file(head.begin(), head.end());
    file.insert(file.end(), id.begin(), id.end());
    file.insert(file.end(), colourMap.begin(), colourMap.end());
    file.insert(file.end(), pixels.begin(), pixels.end());
    return file;
}

Bytes readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {};
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const std::string &path, const Bytes &bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
}

} // namespace TgaFixtures
