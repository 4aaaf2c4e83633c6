#include "png_samples.h"

namespace {

std::uint32_t pixel(std::uint32_t red, std::uint32_t green, std::uint32_t blue, std::uint32_t alpha)
{
    // In memory: blue, green, red, alpha.
    return blue | green << 8 | red << 16 | alpha << 24;
}

std::size_t channelsOf(int colourType)
{
    switch (colourType) {
    case PngSamples::Rgb: return 3;
    case PngSamples::GreyAlpha: return 2;
    case PngSamples::Rgba: return 4;
    default: return 1;
    }
}

} // namespace

PngSamples::PngSamples(int colourType, int bitDepth, std::size_t width)
    : m_colourType(colourType), m_bitDepth(bitDepth), m_width(width), m_channels(channelsOf(colourType))
{
}

void PngSamples::setPalette(const std::uint8_t *rgb, int count, const std::uint8_t *alpha, int alphaCount)
{
    m_paletteSize = count < 0 ? 0 : count > 256 ? 256 : count;
    for (int k = 0; k < m_paletteSize; ++k) {
        const std::uint8_t *c = rgb + 3 * k;
        m_palette[std::size_t(k)] = pixel(c[0], c[1], c[2], k < alphaCount ? alpha[k] : 255);
    }
}

void PngSamples::setKey(std::uint16_t grey, std::uint16_t red, std::uint16_t green, std::uint16_t blue)
{
    m_keyed = true;
    m_key = m_colourType == Grey ? std::array<std::uint16_t, 3>{grey, grey, grey} : std::array<std::uint16_t, 3>{red, green, blue};
}

std::size_t PngSamples::rowBytes() const
{
    return m_width * m_channels * (m_bitDepth == 16 ? 2 : 1);
}

std::uint32_t PngSamples::sample(const std::uint8_t *row, std::size_t k) const
{
    return m_bitDepth == 16 ? std::uint32_t(row[2 * k]) << 8 | row[2 * k + 1] : row[k];
}

std::uint32_t PngSamples::level(std::uint32_t value) const
{
    switch (m_bitDepth) {
    case 16: return (value * 255 + 32767) / 65535; // rounded to the nearest of 0..255
    case 8: return value;
    default: return value * (255 / ((1u << m_bitDepth) - 1)); // 1, 2, 4 bits: exact
    }
}

long PngSamples::convert(const std::uint8_t *row, std::uint32_t *out) const
{
    // The forms most files have, without a test per sample.
    if (m_bitDepth == 8 && m_colourType == Rgba) {
        for (std::size_t x = 0; x < m_width; ++x, row += 4)
            out[x] = pixel(row[0], row[1], row[2], row[3]);
        return -1;
    }
    if (m_bitDepth == 8 && m_colourType == Rgb && !m_keyed) {
        for (std::size_t x = 0; x < m_width; ++x, row += 3)
            out[x] = pixel(row[0], row[1], row[2], 255);
        return -1;
    }
    for (std::size_t x = 0; x < m_width; ++x) {
        const std::size_t k = x * m_channels;
        switch (m_colourType) {
        case Grey: {
            const std::uint32_t g = sample(row, k);
            const bool keyed = m_keyed && g == m_key[0];
            out[x] = pixel(level(g), level(g), level(g), keyed ? 0 : 255);
            break;
        }
        case GreyAlpha: {
            const std::uint32_t g = level(sample(row, k));
            out[x] = pixel(g, g, g, level(sample(row, k + 1)));
            break;
        }
        case Rgb: {
            const std::uint32_t r = sample(row, k), g = sample(row, k + 1), b = sample(row, k + 2);
            const bool keyed = m_keyed && r == m_key[0] && g == m_key[1] && b == m_key[2];
            out[x] = pixel(level(r), level(g), level(b), keyed ? 0 : 255);
            break;
        }
        case Rgba:
            out[x] = pixel(level(sample(row, k)), level(sample(row, k + 1)), level(sample(row, k + 2)), level(sample(row, k + 3)));
            break;
        default:
            if (row[x] >= m_paletteSize)
                return long(x);
            out[x] = m_palette[row[x]];
        }
    }
    return -1;
}
