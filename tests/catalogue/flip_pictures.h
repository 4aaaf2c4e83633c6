#pragma once

#include "catalogue.h"

// A real edit of everything in a game folder: every image's pixels inverted and its width and
// height swapped (so the index changes too), every font sheet inverted. Flipping twice gives
// the folder back byte for byte, which lets the kill test tell the folder before a write-back
// from the folder after it.
inline void flipPictures(Catalogue &c)
{
    for (int n = 1; n < c.ImageCount; ++n) {
        PixelBuffer pixels = c.ImagePixels[std::size_t(n)];
        for (std::uint32_t &pixel : pixels)
            pixel = ~pixel;
        const TGPHDetails &details = c.ImageDetails[std::size_t(n)];
        c.replaceImage(n, details.Height, details.Width, c.ImageSizes[std::size_t(n)], std::move(pixels));
    }
    for (int i = 0; i < FontCount; ++i) {
        FontSheet sheet = c.FontBitmaps[std::size_t(i)];
        for (std::uint8_t &grey : sheet)
            grey = std::uint8_t(~grey);
        c.replaceFontSheet(i, std::move(sheet));
    }
}
