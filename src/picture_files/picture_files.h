#pragma once

#include <functional>
#include <string>
#include <vector>

#include "catalogue.h"
#include "picture_import.h"
#include "picture_names.h"

// The picture files Tessary exchanges, .tga and .png, behind one reader and one set of exports,
// shared by the window and the command line.
namespace PictureFiles {

using Format = PictureNames::Format;

// True when a file is a PNG: named ".png", or starting with the PNG signature.
bool isPng(const std::string &path);
// Reads .tga and .png files, each by what it is.
PictureReader reader();

// Writes menu image n / font sheet i to target in format (the name is taken as it is).
void saveImage(const Catalogue &catalogue, int n, const std::string &target, Format format);
void saveFont(const Catalogue &catalogue, int i, const std::string &target, Format format);

// Writes the given images into folder (which ends in a separator) as 001.tga, 002.tga, ... or
// .png, calling progress(k) before the k-th (from 1). The first failure ends the run and is thrown.
void exportImages(const Catalogue &catalogue, const std::string &folder, const std::vector<int> &numbers, Format format,
                  const std::function<void(int)> &progress = {});
// Writes the six font sheets into folder under their font file names with the format's
// extension ("New_Font1000.gpf.tga"), as the single export proposes them, calling progress(i)
// before sheet i. The first failure ends the run and is thrown.
void exportFonts(const Catalogue &catalogue, const std::string &folder, Format format,
                 const std::function<void(int)> &progress = {});

// Every image number of the catalogue, 1 .. ImageCount - 1.
std::vector<int> allImages(const Catalogue &catalogue);

} // namespace PictureFiles
