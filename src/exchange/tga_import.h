#pragma once

#include <string>

#include "catalogue.h"
#include "picture_import.h"
#include "tga_decode.h"

// Reads a menu image from a .tga file (see planImageTga for what is accepted). Throws
// TgaRleRefused or GameFileError naming the file.
DecodedImage readImageTga(const std::string &file);
// Reads a 256 x 256 grey-scale font sheet from a .tga file. Throws as readImageTga does.
FontSheet readFontTga(const std::string &file);
// The reader of .tga files alone.
PictureReader tgaReader();

// Replaces menu image n (1 .. ImageCount - 1) with the picture of a .tga file: its pixels, its
// byte count (width x height x 4) and the index entry's Width and Height. The picture changes
// only when the whole file was read; otherwise TgaRleRefused or GameFileError is thrown and
// the image keeps its pixels, byte count, width and height. False when the file held the very
// picture the image already had (nothing changed).
bool importImageTga(Catalogue &catalogue, int n, const std::string &file);

// Replaces font sheet i (0 .. 5) with the 256 x 256 grey-scale picture of a .tga file; the
// font's header and table stay. Throws as importImageTga does, leaving the sheet unchanged.
bool importFontTga(Catalogue &catalogue, int i, const std::string &file);
