#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

// The 18-byte header that opens every .tga file, each field named by its byte offset.
enum TgaHeaderOffset : std::size_t {
    IdLengthAt = 0,
    ColourMapTypeAt = 1,
    ImageTypeAt = 2,
    ColourMapFirstAt = 3,
    ColourMapLengthAt = 5,
    ColourMapEntryBitsAt = 7,
    XOriginAt = 8,
    YOriginAt = 10,
    WidthAt = 12,
    HeightAt = 14,
    PixelDepthAt = 16,
    DescriptorAt = 17,
    TgaHeaderSize = 18,
};

// Image types of the published format that matter here.
enum TgaImageType : std::uint8_t {
    TgaNoImage = 0,
    TgaColourMapped = 1,
    TgaTrueColour = 2,
    TgaGreyScale = 3,
    TgaFirstRunLength = 9,
    TgaLastRunLength = 11,
};

// Bits of the image descriptor (byte 17).
inline constexpr std::uint8_t TgaRightToLeftBit = 0x10;
inline constexpr std::uint8_t TgaTopRowFirstBit = 0x20;

using TgaHeaderBytes = std::array<std::uint8_t, TgaHeaderSize>;

// The header's fields, read from or written as the 18 bytes above.
struct TgaHeader {
    std::uint8_t IdLength = 0;
    std::uint8_t ColourMapType = 0;
    std::uint8_t ImageType = 0;
    std::uint16_t ColourMapFirst = 0;
    std::uint16_t ColourMapLength = 0;
    std::uint8_t ColourMapEntryBits = 0;
    std::uint16_t XOrigin = 0;
    std::uint16_t YOrigin = 0;
    std::uint16_t Width = 0;
    std::uint16_t Height = 0;
    std::uint8_t PixelDepth = 0;
    std::uint8_t Descriptor = 0;

    // Reads the fields from the first 18 of size bytes; a shorter file raises GameFileError for path.
    static TgaHeader parse(const std::string &path, const std::uint8_t *data, std::size_t size);
    // The 18 bytes of these fields, little-endian.
    TgaHeaderBytes encode() const;

    // True when the first row in the file is the top row of the picture.
    bool topRowFirst() const { return (Descriptor & TgaTopRowFirstBit) != 0; }
    // True when each row in the file runs from the right edge to the left.
    bool rightToLeft() const { return (Descriptor & TgaRightToLeftBit) != 0; }
    // "width x height", for messages.
    std::string sizeText() const { return std::to_string(Width) + " x " + std::to_string(Height); }
};
