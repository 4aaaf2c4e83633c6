#include "cli_commands.h"

#include <exception>

#include "catalogue.h"
#include "write_back.h"

namespace {

constexpr const char *Usage = "Usage: tessary-cli check FOLDER\n"
                              "       tessary-cli rewrite FOLDER\n"
                              "  check    loads the game folder (index, images, fonts) and prints its counts\n"
                              "  rewrite  loads the game folder and writes everything back, as \"Apply All Changes\" does\n";

int imagesOf(const Catalogue &c) { return c.ImageCount > 1 ? c.ImageCount - 1 : 0; }

int check(const std::string &folder, std::ostream &out)
{
    const Catalogue c = loadGameFolder(folder);
    out << "Game folder: " << folder << "\n"
        << "Images: " << imagesOf(c) << "\n"
        << "Fonts: " << FontCount << "\n"
        << "Total bytes: " << c.totalBytes() << "\n";
    return CliCommands::Success;
}

int rewrite(const std::string &folder, std::ostream &out)
{
    const Catalogue c = loadGameFolder(folder);
    applyAllChanges(c);
    out << "Wrote back " << imagesOf(c) << " images, the index and " << FontCount << " fonts to " << folder << " ("
        << c.totalBytes() << " bytes)\n";
    return CliCommands::Success;
}

} // namespace

namespace CliCommands {

int run(const std::vector<std::string> &args, std::ostream &out, std::ostream &err)
{
    if (args.size() == 1 && (args[0] == "-h" || args[0] == "--help")) {
        out << Usage;
        return Success;
    }
    if (args.size() != 2 || args[1].empty() || (args[0] != "check" && args[0] != "rewrite")) {
        err << Usage;
        return BadArguments;
    }
    try {
        return args[0] == "check" ? check(args[1], out) : rewrite(args[1], out);
    } catch (const std::exception &error) {
        err << error.what() << "\n";
        return Failure;
    }
}

} // namespace CliCommands
