// Writes pictures exported by the program (.tga and .png), and the bytes they were exported from, for the
// Pillow check (check_exports_with_pillow.py) to compare.
#include <cstdio>
#include <exception>
#include <fstream>
#include <string>

#include "catalogue.h"
#include "picture_files.h"
#include "tga_export.h"
#include "tga_fixtures.h"

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    try {
        using namespace TgaFixtures;
        const Catalogue c = makeCatalogue({{37, 19}, {64, 32}, {1, 1}, {300, 2}});
        std::ofstream manifest(folder + "exports.txt");
        for (int n = 1; n < c.ImageCount; ++n) {
            const std::string name = "image_" + threeDigitName(n);
            saveImageTga(c, n, folder + name);
            PictureFiles::saveImage(c, n, folder + name + ".png", PictureFiles::Format::Png);
            writeFile(folder + name + ".bgra", bytesOf(c.ImagePixels[std::size_t(n)], std::size_t(c.ImageSizes[std::size_t(n)])));
            for (const char *extension : {".tga", ".png"})
                manifest << name << extension << " RGBA " << c.ImageDetails[std::size_t(n)].Width << ' '
                         << c.ImageDetails[std::size_t(n)].Height << ' ' << name << ".bgra\n";
        }
        for (int i : {0, 5}) {
            const std::string name = FontNames[std::size_t(i)];
            saveFontTga(c, i, folder + name);
            PictureFiles::saveFont(c, i, folder + name + ".png", PictureFiles::Format::Png);
            writeFile(folder + name + ".grey", c.FontBitmaps[std::size_t(i)]);
            for (const char *extension : {".tga", ".png"})
                manifest << name << extension << " L 256 256 " << name << ".grey\n";
        }
    } catch (const std::exception &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
