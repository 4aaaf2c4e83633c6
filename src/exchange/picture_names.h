#pragma once

#include <string>

// Which picture of the catalogue a file stands for, by its name alone: the names the exports
// write and their obvious variants. Letters are compared without regard to case.
namespace PictureNames {

// The picture file formats the program exchanges.
enum class Format { Tga, Png, Other };

// The format a file name's extension names (".tga", ".png").
Format formatOf(const std::string &fileName);
// The extension written for a format, with its dot (".tga", ".png").
const char *extensionOf(Format format);

// The image number a file name stands for: "001.tga", "1.tga", "001.png", "12.gpi.png" ->
// 1, 1, 1, 12; 0 when it names no image (no digits, other characters, another extension).
int imageNumber(const std::string &fileName);
// The font a file name stands for: "New_Font1000.gpf.tga" (the single export's name),
// "New_Font1000.png" (without ".gpf") -> 1; -1 when it names none.
int fontNumber(const std::string &fileName);

// The last part of a path (after the last '/' or '\').
std::string fileNameOf(const std::string &path);

} // namespace PictureNames
