#pragma once

#include <cstdint>
#include <string>

#include "tga_header.h"

// How the pixels of a .tga file are stored, for the kinds the program reads.
enum class TgaPixelKind { Bgra32, Bgr24, Grey8, Mapped8 };

// Where a readable .tga file keeps its colour map and pixels, worked out from the header alone,
// so that the file's length can be checked before anything is allocated.
struct TgaLayout {
    TgaHeader Header;
    TgaPixelKind Kind = TgaPixelKind::Bgra32;
    std::uint64_t MapOffset = 0;      // first byte of the colour map
    std::uint32_t MapEntryBytes = 0;  // bytes per colour-map entry, 0 without a map
    std::uint64_t PixelOffset = 0;    // first byte of the pixels, after the ID field and the map
    std::uint32_t BytesPerPixel = 0;
    std::uint64_t PixelBytes = 0;     // width x height x BytesPerPixel

    // Bytes the file must hold for the whole picture to be there.
    std::uint64_t end() const { return PixelOffset + PixelBytes; }
};

// Checks that header describes a menu image the program can read (uncompressed 32- or 24-bit
// true-colour, 8-bit colour-mapped with a 24- or 32-bit map, or 8-bit grey-scale) whose
// width x height x 4 fits a 32-bit byte count, and locates its parts. Throws TgaRleRefused for
// types 9 and above, GameFileError naming path and the reason otherwise.
TgaLayout planImageTga(const std::string &path, const TgaHeader &header);

// Checks that header describes a font sheet: a 256 x 256 picture of a kind planImageTga
// accepts (grey-scale, or colour that the sheet takes as grey). Throws as planImageTga does.
TgaLayout planFontTga(const std::string &path, const TgaHeader &header);

// Raises the "reading beyond the end" GameFileError for path unless size bytes hold the whole picture.
void requireWholeTga(const std::string &path, const TgaLayout &layout, std::uint64_t size);
