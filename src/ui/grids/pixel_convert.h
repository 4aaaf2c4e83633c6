#pragma once

#include <cstdint>

// Pixels as the grids show them. A catalogue pixel's bytes, lowest first, are blue, green,
// red and alpha; a displayed pixel has the same layout and its fourth byte is ignored.
namespace PixelConvert {

// The displayed pixel for a catalogue pixel: unchanged in the colour view; in the alpha
// view grey at the pixel's alpha level, fourth byte 0.
constexpr std::uint32_t ConvertRGB(std::uint32_t pixel, bool alphaView)
{
    if (!alphaView)
        return pixel;
    const std::uint32_t alpha = pixel >> 24;
    return alpha | (alpha << 8) | (alpha << 16);
}

// The displayed pixel for a grey level: blue, green and red at that level, fourth byte 0.
constexpr std::uint32_t ConvertBWtoRGB(std::uint8_t grey)
{
    return std::uint32_t(grey) * 0x010101u;
}

} // namespace PixelConvert
