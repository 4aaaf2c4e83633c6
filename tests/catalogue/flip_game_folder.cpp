// flip_game_folder FOLDER: a real edit of everything in a game folder, written back with "Apply
// All Changes": every image's pixels inverted and its width and height swapped (so the index
// changes too), every font sheet inverted. Flipping twice gives the folder back byte for byte,
// which lets the kill test tell the folder before a write-back from the folder after it.
#include <cstdio>
#include <exception>

#include "catalogue.h"
#include "write_back.h"

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fputs("usage: flip_game_folder FOLDER\n", stderr);
        return 2;
    }
    try {
        Catalogue c = loadGameFolder(argv[1], LoadProgress{{}, {}, {}, [](const std::string &text) { std::puts(text.c_str()); }});
        for (int n = 1; n < c.ImageCount; ++n) {
            PixelBuffer pixels = c.ImagePixels[std::size_t(n)];
            for (std::uint32_t &pixel : pixels)
                pixel = ~pixel;
            const TGPHDetails &details = c.ImageDetails[std::size_t(n)];
            c.replaceImage(n, details.Height, details.Width, c.ImageSizes[std::size_t(n)], std::move(pixels));
        }
        for (int i = 0; i < FontCount; ++i) {
            FontSheet sheet = c.FontBitmaps[std::size_t(i)];
            for (std::uint8_t &grey : sheet)
                grey = std::uint8_t(~grey);
            c.replaceFontSheet(i, std::move(sheet));
        }
        const WriteBackReport report = applyAllChanges(c);
        std::printf("wrote %zu files\n", report.written.size());
    } catch (const std::exception &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
