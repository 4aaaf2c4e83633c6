#include "cli_commands.h"

#include <exception>

#include "catalogue.h"
#include "write_back.h"

namespace {

constexpr const char *Usage = "Usage: tessary-cli check FOLDER\n"
                              "       tessary-cli rewrite [--force] FOLDER\n"
                              "  check    loads the game folder (index, images, fonts) and prints its counts\n"
                              "  rewrite  loads the game folder and writes every file back through the same safe\n"
                              "           commit as \"Apply All Changes\"\n"
                              "  --force  overwrite game files that another program changed since they were loaded\n";

int imagesOf(const Catalogue &c) { return c.ImageCount > 1 ? c.ImageCount - 1 : 0; }

LoadProgress noticesTo(std::ostream &out)
{
    LoadProgress report;
    report.notice = [&out](const std::string &text) { out << text << "\n"; };
    return report;
}

int check(const std::string &folder, std::ostream &out)
{
    const Catalogue c = loadGameFolder(folder, noticesTo(out));
    out << "Game folder: " << folder << "\n"
        << "Images: " << imagesOf(c) << "\n"
        << "Fonts: " << FontCount << "\n"
        << "Total bytes: " << c.totalBytes() << "\n";
    return CliCommands::Success;
}

int rewrite(const std::string &folder, bool force, std::ostream &out)
{
    Catalogue c = loadGameFolder(folder, noticesTo(out));
    WriteBackOptions options;
    options.scope = WriteBackOptions::Scope::Everything;
    options.overwriteChangedOnDisk = force;
    const WriteBackReport report = applyAllChanges(c, options);
    if (!report.settled.empty())
        out << report.settled << "\n";
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
    std::vector<std::string> rest(args.begin() + (args.empty() ? 0 : 1), args.end());
    const bool force = std::erase(rest, std::string("--force")) > 0;
    const std::string command = args.empty() ? std::string() : args[0];
    const bool known = command == "check" || (command == "rewrite");
    if (!known || rest.size() != 1 || rest[0].empty() || rest[0].starts_with("-") || (force && command != "rewrite")) {
        err << Usage;
        return BadArguments;
    }
    try {
        return command == "check" ? check(rest[0], out) : rewrite(rest[0], force, out);
    } catch (const std::exception &error) {
        err << error.what() << "\n";
        return Failure;
    }
}

} // namespace CliCommands
