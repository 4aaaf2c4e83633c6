// Writes pictures exported by the program, and the bytes they were exported from, for the
// Pillow check (check_exports_with_pillow.py) to compare.
#include <cstdio>
#include <exception>
#include <fstream>
#include <string>

#include "catalogue.h"
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
            writeFile(folder + name + ".bgra", bytesOf(c.ImagePixels[std::size_t(n)], std::size_t(c.ImageSizes[std::size_t(n)])));
            manifest << name << ".tga RGBA " << c.ImageDetails[std::size_t(n)].Width << ' ' << c.ImageDetails[std::size_t(n)].Height
                     << ' ' << name << ".bgra\n";
        }
        for (int i : {0, 5}) {
            const std::string name = FontNames[std::size_t(i)];
            saveFontTga(c, i, folder + name);
            writeFile(folder + name + ".grey", c.FontBitmaps[std::size_t(i)]);
            manifest << name << ".tga L 256 256 " << name << ".grey\n";
        }
    } catch (const std::exception &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
