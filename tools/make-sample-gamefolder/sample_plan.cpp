#include "sample_plan.h"

#include <array>
#include <tuple>
#include <utility>

namespace {

using Size = std::pair<std::int32_t, std::int32_t>;

// Sizes repeat in this order: icons, odd sizes and full-screen pictures side by side.
constexpr std::array<Size, 20> SmallSizes = {{
    {32, 32},   {64, 32},   {256, 128}, {37, 19},  {128, 128}, {320, 240}, {16, 16},  {200, 150}, {333, 77},  {48, 48},
    {1024, 768}, {100, 75}, {301, 199}, {64, 64},  {512, 256}, {24, 24},   {160, 120}, {96, 40},   {255, 255}, {7, 5},
}};

// About 10 MB a cycle, 30 cycles: the large folder holds about 300 MB of pixels.
constexpr std::array<Size, 15> LargeSizes = {{
    {1024, 768}, {800, 600}, {640, 480}, {512, 512}, {32, 32},  {64, 32},  {333, 77}, {256, 256},
    {600, 400},  {720, 405}, {48, 48},   {37, 19},   {128, 128}, {400, 300}, {16, 16},
}};

constexpr std::array<std::int32_t, FontCount> TableCounts = {0, 1, 16, 95, 256, 224};

enum What : std::uint32_t { IndexHeader = 1, EntryLead, EntryBlock, EntryTrailer, FontHeader, FontTable };

Size imageSize(SampleKind kind, std::int32_t n)
{
    const auto at = std::size_t(n - 1);
    return kind == SampleKind::Small ? SmallSizes[at % SmallSizes.size()] : LargeSizes[at % LargeSizes.size()];
}

std::uint32_t opaqueWord(std::uint32_t what, std::uint32_t n, std::uint32_t k)
{
    std::uint32_t word = 0;
    for (std::uint32_t b = 0; b < 4; ++b)
        word |= std::uint32_t(SamplePlan::opaqueByte(what, n, 4 * k + b)) << (8 * b);
    return word;
}

} // namespace

namespace SamplePlan {

std::int32_t imageCount(SampleKind kind) { return kind == SampleKind::Small ? 41 : 451; }

std::int32_t fontTableCount(int font) { return TableCounts.at(std::size_t(font)); }

std::uint8_t opaqueByte(std::uint32_t what, std::uint32_t n, std::uint32_t k)
{
    // Every seventh byte is 0xFF so that the all-ones pattern is carried through everywhere.
    if ((n + k) % 7 == 3)
        return 0xFF;
    std::uint32_t x = what * 0x9E3779B9u ^ n * 0x85EBCA6Bu ^ k * 0xC2B2AE35u;
    x ^= x >> 16;
    x *= 0x7FEB352Du;
    x ^= x >> 15;
    x *= 0x846CA68Bu;
    x ^= x >> 16;
    return std::uint8_t(x);
}

Catalogue skeleton(SampleKind kind)
{
    Catalogue c;
    c.ImageCount = imageCount(kind);
    c.IndexExtra = opaqueWord(IndexHeader, 0, 0) | 0xFF000000u;
    const auto slots = std::size_t(c.ImageCount);
    c.ImageDetails.resize(slots);
    c.ImageBlocks.resize(slots);
    c.ImagePixels.resize(slots);
    c.ImageSizes.assign(slots, 0);
    for (std::int32_t n = 1; n < c.ImageCount; ++n) {
        const auto un = std::uint32_t(n);
        TGPHDetails &entry = c.ImageDetails[std::size_t(n)];
        entry.Lead = n % 10 == 0 ? 0xFFFFFFFFu : opaqueWord(EntryLead, un, 0);
        entry.BlockCount = std::uint16_t(n % 5 == 4 ? 9 : n % 4);
        std::tie(entry.Width, entry.Height) = imageSize(kind, n);
        c.ImageSizes[std::size_t(n)] = entry.Width * entry.Height * 4;
        for (std::uint32_t k = 0; k < entry.Trailer.size(); ++k)
            entry.Trailer[k] = opaqueByte(EntryTrailer, un, k);
        auto &blocks = c.ImageBlocks[std::size_t(n)];
        blocks.resize(entry.BlockCount);
        for (std::uint32_t b = 0; b < blocks.size(); ++b)
            for (std::uint32_t k = 0; k < blocks[b].Bytes.size(); ++k)
                blocks[b].Bytes[k] = opaqueByte(EntryBlock, un, 16 * b + k);
    }
    for (int i = 0; i < FontCount; ++i) {
        const auto ui = std::uint32_t(i);
        TGPFDetails &font = c.FontDetails[std::size_t(i)];
        font.TableCount = fontTableCount(i);
        font.HeaderWord = i == 2 ? 0xFFFF : std::uint16_t(opaqueWord(FontHeader, ui, 0));
        font.HeaderIntA = i == 4 ? 0xFFFFFFFFu : opaqueWord(FontHeader, ui, 1);
        font.HeaderIntB = opaqueWord(FontHeader, ui, 2);
        font.Table.resize(std::size_t(font.TableCount));
        for (std::uint32_t k = 0; k < font.Table.size(); ++k)
            font.Table[k] = opaqueWord(FontTable, ui, k);
    }
    return c;
}

} // namespace SamplePlan
