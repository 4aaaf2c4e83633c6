#pragma once

#include <string>
#include <vector>

class Catalogue;

// The game's own files, which "Apply All Changes" keeps in tessary-originals the first time it
// replaces them, and the commands that bring a picture back: to the game folder's file
// (revert) or to the game's original (restore). A game file that was never replaced is itself
// the original. Every command reads its files whole before the catalogue changes, and throws
// GameFileError naming the file otherwise.
namespace KeptOriginals {

// True when the game's original of image n / font i is kept (its game file was replaced).
bool holdsImage(const std::string &gp4Path, int n);
bool holdsFont(const std::string &gp4Path, int i);
// The images whose entries in the game folder's index differ from the kept original index (none
// when the index was never replaced).
std::vector<int> imagesWithOtherEntries(const Catalogue &catalogue);

// True when image n as the catalogue holds it (pixels and whole index entry) differs from the game's original.
bool imageDiffers(const Catalogue &catalogue, int n);
// True when font sheet i as the catalogue holds it differs from the game's original.
bool fontDiffers(const Catalogue &catalogue, int i);

// Drops image n's / font i's unapplied change: the game folder's file is read again. True
// when the picture shown changed.
bool revertImage(Catalogue &catalogue, int n);
bool revertFont(Catalogue &catalogue, int i);

// Puts the game's original of image n / font i into the catalogue as an unapplied change, an
// image with its whole original index entry (when the game folder's file already is the
// original, this is a revert). True when the picture changed.
bool restoreImage(Catalogue &catalogue, int n);
bool restoreFont(Catalogue &catalogue, int i);

} // namespace KeptOriginals
