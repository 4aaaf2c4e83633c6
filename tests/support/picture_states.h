#pragma once

#include <cstdint>
#include <vector>

#include "catalogue.h"

// Every picture of a catalogue as undo and redo must bring it back: size, byte count, bytes and
// change mark, images first, then the font sheets.
struct PictureState {
    int width = 0;
    int height = 0;
    int byteCount = 0;
    std::vector<std::uint8_t> bytes;
    bool changed = false;
    bool operator==(const PictureState &) const = default;
};

inline std::vector<PictureState> pictureStates(const Catalogue &c)
{
    std::vector<PictureState> all;
    for (int n = 1; n < c.ImageCount; ++n) {
        const auto at = std::size_t(n);
        const auto *bytes = reinterpret_cast<const std::uint8_t *>(c.ImagePixels[at].data());
        all.push_back({c.ImageDetails[at].Width, c.ImageDetails[at].Height, c.ImageSizes[at],
                       std::vector<std::uint8_t>(bytes, bytes + std::max(c.ImageSizes[at], 0)), c.imageChanged(n)});
    }
    for (int i = 0; i < FontCount; ++i)
        all.push_back({FontSheetSide, FontSheetSide, int(FontSheetBytes), c.FontBitmaps[std::size_t(i)], c.fontChanged(i)});
    return all;
}
