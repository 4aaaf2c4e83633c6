#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// What a PNG's samples mean, as the PNG standard defines it, for one picture: its colour type
// and bit depth, its palette and its transparency. Turns a row of samples into the game's
// pixels (blue, green, red, alpha), exactly: grey levels below 8 bits are scaled to 0..255, 16-bit
// samples are rounded to 8 bits, and a colour key (tRNS) is compared with the samples as they
// are in the file, so a keyed pixel keeps its colour under alpha 0.
class PngSamples {
public:
    enum ColourType { Grey = 0, Rgb = 2, Palette = 3, GreyAlpha = 4, Rgba = 6 };

    PngSamples(int colourType, int bitDepth, std::size_t width);

    // The palette's colours (red, green, blue each) and, from tRNS, the alpha of its first
    // alphaCount entries; the others are opaque.
    void setPalette(const std::uint8_t *rgb, int count, const std::uint8_t *alpha, int alphaCount);
    // The colour key of a grey or RGB picture: pixels whose samples equal it are transparent.
    void setKey(std::uint16_t grey, std::uint16_t red, std::uint16_t green, std::uint16_t blue);

    // The bytes of one row as libpng gives them with its "packing" alone: one byte per sample
    // below 8 bits, two bytes (most significant first) at 16 bits.
    std::size_t rowBytes() const;
    // Converts row into width pixels at out. Returns the column of the first pixel whose palette
    // index lies beyond the palette (nothing defines its colour), or -1 when there is none.
    long convert(const std::uint8_t *row, std::uint32_t *out) const;
    // The number of colours in the palette.
    int paletteSize() const { return m_paletteSize; }

private:
    std::uint32_t sample(const std::uint8_t *row, std::size_t k) const;
    std::uint32_t level(std::uint32_t value) const;

    int m_colourType;
    int m_bitDepth;
    std::size_t m_width;
    std::size_t m_channels;
    std::array<std::uint32_t, 256> m_palette{};
    int m_paletteSize = 0;
    bool m_keyed = false;
    std::array<std::uint16_t, 3> m_key{};
};
