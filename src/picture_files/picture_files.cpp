#include "picture_files.h"

#include <array>

#include "file_ops.h"
#include "game_file_error.h"
#include "png_decode.h"
#include "png_export.h"
#include "tga_export.h"
#include "tga_import.h"

namespace PictureFiles {

namespace {

// The .tga exports append their extension to the name they are given.
std::string withoutTgaExtension(const std::string &target)
{
    return target.size() >= 4 ? target.substr(0, target.size() - 4) : target;
}

} // namespace

bool isPng(const std::string &path)
{
    if (PictureNames::formatOf(path) == Format::Png)
        return true;
    try {
        FileOps::InputFile file(path);
        std::array<std::uint8_t, 8> start{};
        if (file.length() < start.size())
            return false;
        file.read(start.data(), start.size());
        return hasPngSignature(start.data(), start.size());
    } catch (const GameFileError &) {
        return false; // the reader that follows names the file and what is wrong with it
    }
}

PictureReader reader()
{
    return {
        [](const std::string &path) { return isPng(path) ? readImagePng(path) : readImageTga(path); },
        [](const std::string &path) { return isPng(path) ? readFontPng(path) : readFontTga(path); },
    };
}

void saveImage(const Catalogue &c, int n, const std::string &target, Format format)
{
    if (format == Format::Png)
        saveImagePng(c, n, target);
    else
        saveImageTga(c, n, withoutTgaExtension(target));
}

void saveFont(const Catalogue &c, int i, const std::string &target, Format format)
{
    if (format == Format::Png)
        saveFontPng(c, i, target);
    else
        saveFontTga(c, i, withoutTgaExtension(target));
}

void exportImages(const Catalogue &c, const std::string &folder, const std::vector<int> &numbers, Format format,
                  const std::function<void(int)> &progress)
{
    const std::string extension = PictureNames::extensionOf(format);
    int done = 0;
    for (int n : numbers) {
        if (progress)
            progress(++done);
        saveImage(c, n, folder + threeDigitName(n) + extension, format);
    }
}

void exportFonts(const Catalogue &c, const std::string &folder, Format format, const std::function<void(int)> &progress)
{
    for (int i = 0; i < FontCount; ++i) {
        if (progress)
            progress(i);
        saveFont(c, i, folder + FontNames[std::size_t(i)] + PictureNames::extensionOf(format), format);
    }
}

std::vector<int> allImages(const Catalogue &c)
{
    std::vector<int> numbers;
    for (int n = 1; n < c.ImageCount; ++n)
        numbers.push_back(n);
    return numbers;
}

} // namespace PictureFiles
