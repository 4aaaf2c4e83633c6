#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "catalogue.h"
#include "tga_header.h"

// The file name of picture n in the exports: at least three digits, zeros in front (7 -> "007").
std::string threeDigitName(int n);

// The header of an exported menu image: uncompressed true-colour, 32 bits, top row first.
TgaHeaderBytes imageTgaHeader(std::uint16_t width, std::uint16_t height);
// The header of an exported font sheet: uncompressed grey-scale, 256 x 256, 8 bits, top row first.
TgaHeaderBytes fontTgaHeader();

// Writes menu image n to name + ".tga": the header with the index entry's width and height, then
// exactly the image's byte count of pixel data. The file appears whole or not at all. Throws
// GameFileError, also for a width or height that a .tga header cannot hold.
void saveImageTga(const Catalogue &catalogue, int n, const std::string &name);

// Writes font sheet i (0 .. 5) to name + ".tga": the font header, then its 65536 bytes.
void saveFontTga(const Catalogue &catalogue, int i, const std::string &name);

// Writes images 1 .. ImageCount - 1 as 001.tga, 002.tga, ... into folder (which ends in a
// separator), calling progress(n) before image n. The first failure ends the run and is thrown.
void saveAllImagesTga(const Catalogue &catalogue, const std::string &folderWithTrailingSeparator,
                      const std::function<void(int)> &progress = {});
