// flip_game_folder FOLDER: flips everything in a game folder (flipPictures) and writes it back
// with "Apply All Changes".
#include <cstdio>
#include <exception>

#include "catalogue.h"
#include "flip_pictures.h"
#include "write_back.h"

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fputs("usage: flip_game_folder FOLDER\n", stderr);
        return 2;
    }
    try {
        Catalogue c = loadGameFolder(argv[1], LoadProgress{{}, {}, {}, [](const Message &said) { std::puts(said.english().c_str()); }});
        flipPictures(c);
        const WriteBackReport report = applyAllChanges(c);
        std::printf("wrote %zu files\n", report.written.size());
    } catch (const std::exception &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
