#pragma once

#include <cstdint>

// The grey level a colour shows as, by its Rec. 601 luminance in 16-bit fixed point: how a
// colour picture becomes a font sheet. A grey colour keeps its level exactly.
constexpr std::uint8_t greyLevel(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return std::uint8_t((red * 19595u + green * 38470u + blue * 7471u + 0x8000u) >> 16);
}
