#include "mod_fixtures.h"

#include <cstring>

#include "game_folder_builder.h"
#include "write_back.h"

namespace ModFixtures {

std::vector<std::uint8_t> pattern(int tone, std::size_t size)
{
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t k = 0; k < size; ++k)
        bytes[k] = std::uint8_t(k * 7 + std::size_t(tone) * 13 + (k >> 8));
    return bytes;
}

PictureValue image(int n, int w, int h, int tone)
{
    PictureValue value;
    value.key = {false, n};
    Catalogue model = GameFolderBuilder::makeCatalogue(Slots);
    value.entry = model.ImageDetails[std::size_t(n)];
    value.blocks = model.ImageBlocks[std::size_t(n)];
    value.entry.Width = w;
    value.entry.Height = h;
    value.entry.Lead = 0xC0DE0000u + std::uint32_t(tone);
    const std::vector<std::uint8_t> bytes = pattern(tone, std::size_t(w) * std::size_t(h) * 4);
    value.byteCount = std::int32_t(bytes.size());
    value.pixels.resize(bytes.size() / 4);
    std::memcpy(value.pixels.data(), bytes.data(), bytes.size());
    return value;
}

PictureValue font(int i, int tone)
{
    PictureValue value;
    value.key = {true, i};
    value.sheet = pattern(tone, FontSheetBytes);
    return value;
}

ModContents mod(const std::string &name, std::vector<PictureValue> pictures)
{
    ModContents contents;
    contents.source = name + ".zip";
    contents.name = name;
    contents.pictures = std::move(pictures);
    return contents;
}

std::vector<ModContents> threeMods()
{
    return {mod("first", {image(2, 3, 3, 1), image(3, 4, 4, 2), image(4, 2, 2, 3)}),
            mod("second", {image(3, 5, 5, 4), image(4, 6, 6, 5), image(5, 1, 1, 6), font(1, 7)}),
            mod("third", {image(4, 7, 7, 8), image(5, 2, 9, 9), image(6, 3, 1, 10)})};
}

void apply(Catalogue &c, InstalledMods &record)
{
    WriteBackOptions options;
    options.records = record.pendingFiles();
    applyAllChanges(c, options);
    record.committed();
}

} // namespace ModFixtures
