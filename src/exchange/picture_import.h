#pragma once

#include <functional>
#include <string>

#include "catalogue.h"
#include "tga_decode.h"

class PictureStep;

// Reads picture files into the forms the catalogue holds. The core reads .tga files itself;
// the window and the command line hand in a reader that knows .png as well.
struct PictureReader {
    // A menu image from a file; throws GameFileError naming the file.
    std::function<DecodedImage(const std::string &path)> readImage;
    // A 256 x 256 grey font sheet from a file; throws GameFileError naming the file.
    std::function<FontSheet(const std::string &path)> readFont;
};

// Replaces menu image n with the picture reader reads from file: pixels, byte count, width and
// height. The picture changes only when the whole file was read; otherwise the error is thrown
// and the image stays as it was. False when the file held the picture the image already had.
// Given a step, the replacement goes through it, so that it can be undone.
bool importImage(Catalogue &catalogue, int n, const std::string &file, const PictureReader &reader,
                 PictureStep *step = nullptr);
// Replaces font sheet i with the sheet reader reads from file; the font's header and table stay.
bool importFont(Catalogue &catalogue, int i, const std::string &file, const PictureReader &reader,
                PictureStep *step = nullptr);

// True when the catalogue already holds this very picture as image n / font sheet i.
bool holdsImage(const Catalogue &catalogue, int n, const DecodedImage &image);
bool holdsFont(const Catalogue &catalogue, int i, const FontSheet &sheet);
