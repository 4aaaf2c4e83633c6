#pragma once

#include <string>

#include "tga_decode.h"

// Image n as it lies in the game folder, read anew for a comparison with the catalogue's:
// the game folder's file, or the game's original that "Apply All Changes" keeps. Each is read
// whole, with the width and height its index gives it; GameFileError names a file that can't be.
namespace GameFolderPictures {

// Image n of the game folder's file, sized by the game folder's index.
DecodedImage gameFolderImage(const std::string &gp4Path, int n);
// Image n as the game shipped it: the original kept in tessary-originals, or the game folder's
// file when none is kept.
DecodedImage originalImage(const std::string &gp4Path, int n);

} // namespace GameFolderPictures
