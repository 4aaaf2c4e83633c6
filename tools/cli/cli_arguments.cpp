#include "cli_arguments.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>

#include "game_file_error.h"
#include "program_options.h"

namespace {

// What each command takes: its options, and how many operands (folders first), as its usage says.
struct CommandShape {
    std::set<std::string> options;
    std::size_t minOperands;
    std::size_t maxOperands;
    const char *operands;
};

const std::map<std::string, CommandShape> &shapes()
{
    static const std::map<std::string, CommandShape> table = {
        {"check", {{}, 1, 1, "one game folder"}},
        {"rewrite", {{"--force"}, 1, 1, "one game folder"}},
        {"list", {{"--json"}, 1, 1, "one game folder"}},
        {"export", {{"--format", "--fonts", "--images"}, 2, 2, "a game folder and a folder of pictures"}},
        {"import", {{"--dry-run", "--force"}, 2, 2, "a game folder and a folder of pictures"}},
        {"restore", {{"--all", "--force"}, 1, std::size_t(-1), "one game folder"}},
        {"pack", {{"--name", "--author", "--description", "--include-mods"}, 2, 2, "a game folder and the .zip file to write"}},
        {"install", {{"--dry-run", "--force", "--name", "--update"}, 2, 2, "a game folder and a mod (an archive or a folder)"}},
        {"mods", {{"--json"}, 1, 1, "one game folder"}},
        {"uninstall", {{"--force"}, 2, 2, "a game folder and the name of an installed mod"}},
        {"enable", {{"--force"}, 2, 2, "a game folder and the name of an installed mod"}},
        {"disable", {{"--force"}, 2, 2, "a game folder and the name of an installed mod"}},
        {"move", {{"--force", "--to", "--above", "--below"}, 2, 2, "a game folder and the name of an installed mod"}},
        {"profiles", {{}, 1, 1, "one game folder"}},
        {"profile", {{"--force"}, 3, 3, "a game folder, save or use, and the profile's name"}},
    };
    return table;
}

int number(const std::string &text, const std::string &list)
{
    if (text.empty() || text.size() > 9 || !std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); }))
        throw UsageError("\"" + list + "\" is not a list of image numbers such as 1,5,7-12");
    return std::stoi(text);
}

void setOption(CliArguments &parsed, const std::string &name, const std::string &value)
{
    if (name == "--json")
        parsed.json = true;
    else if (name == "--dry-run")
        parsed.dryRun = true;
    else if (name == "--force")
        parsed.force = true;
    else if (name == "--all")
        parsed.all = true;
    else if (name == "--update")
        parsed.update = true;
    else if (name == "--include-mods")
        parsed.includeMods = true;
    else if (name == "--fonts")
        parsed.fonts = true;
    else if (name == "--format") {
        if (value != "tga" && value != "png")
            throw UsageError("--format takes tga or png, not \"" + value + "\"");
        parsed.png = value == "png";
    } else if (name == "--images") {
        parsed.images = parseImageList(value);
        parsed.imagesGiven = true;
    } else if (name == "--name") {
        if (value.empty())
            throw UsageError("--name needs a name that is not empty");
        parsed.name = value;
    } else if (name == "--author") {
        parsed.author = value;
    } else if (name == "--description") {
        parsed.description = value;
    } else if (name == "--to") {
        if (value.empty() || value.size() > 6 || !std::all_of(value.begin(), value.end(), [](unsigned char c) { return std::isdigit(c); })
            || std::stoi(value) < 1)
            throw UsageError("--to takes a place counted from 1, as mods lists them, not \"" + value + "\"");
        parsed.to = std::stoi(value);
    } else if (name == "--above") {
        parsed.above = value;
    } else if (name == "--below") {
        parsed.below = value;
    }
}

} // namespace

std::vector<ImageRange> parseImageList(const std::string &list)
{
    std::vector<ImageRange> ranges;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        const std::string part = list.substr(start, comma - start);
        const std::size_t dash = part.find('-');
        const int first = number(part.substr(0, dash), list);
        const int last = dash == std::string::npos ? first : number(part.substr(dash + 1), list);
        if (first < 1 || last < first)
            throw UsageError("\"" + part + "\" in \"" + list + "\" is not an image number or a rising range of them");
        ranges.push_back({first, last});
        start = comma + 1;
    }
    return ranges;
}

std::vector<int> expandImageList(const std::vector<ImageRange> &ranges, int imageCount, const std::string &folder)
{
    // Checked first, so that "1-999999999" is refused before a number of it is held.
    const int last = std::max(imageCount - 1, 0);
    for (const ImageRange &range : ranges) {
        if (range.last <= last)
            continue;
        const int missing = std::max(range.first, last + 1);
        const std::string which = missing == range.last ? "is no image " + std::to_string(missing)
                                                        : "are no images " + std::to_string(missing) + " to " + std::to_string(range.last);
        const std::string held = last > 0 ? "images 1 to " + std::to_string(last) : "no images";
        throw GameFileError(folder, "there " + which + " (the game folder has " + held + "); nothing was exported");
    }
    std::set<int> numbers;
    for (const ImageRange &range : ranges)
        for (int n = range.first; n <= range.last; ++n)
            numbers.insert(n);
    return {numbers.begin(), numbers.end()};
}

CliArguments parseCliArguments(const std::vector<std::string> &args)
{
    CliArguments parsed;
    if (args.empty() || ProgramOptions::looksLikeOption(args.front()))
        throw UsageError("no command given");
    parsed.command = args.front();
    const auto shape = shapes().find(parsed.command);
    if (shape == shapes().end())
        throw UsageError("\"" + parsed.command + "\" is not a command");

    bool optionsEnded = false;
    for (std::size_t k = 1; k < args.size(); ++k) {
        const std::string &arg = args[k];
        if (arg == "--" && !optionsEnded) {
            optionsEnded = true;
            continue;
        }
        if (optionsEnded || !ProgramOptions::looksLikeOption(arg)) {
            if (arg.empty())
                throw UsageError("an empty folder name was given");
            parsed.operands.push_back(arg);
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        if (!shape->second.options.count(name))
            throw UsageError(parsed.command + " takes no option " + name);
        const bool takesValue = name == "--format" || name == "--images" || name == "--name" || name == "--author" || name == "--description"
                             || name == "--to" || name == "--above" || name == "--below";
        std::string value;
        if (equals != std::string::npos) {
            if (!takesValue)
                throw UsageError(name + " takes no value");
            value = arg.substr(equals + 1);
        } else if (takesValue) {
            if (k + 1 >= args.size())
                throw UsageError(name + " needs a value");
            value = args[++k];
        }
        setOption(parsed, name, value);
    }
    const std::size_t count = parsed.operands.size();
    if (count < shape->second.minOperands || count > shape->second.maxOperands)
        throw UsageError(parsed.command + " needs " + shape->second.operands);
    if (parsed.command == "restore" && parsed.all == (count > 1))
        throw UsageError("restore needs --all or the pictures to restore, not both");
    if (parsed.command == "move" && (parsed.to > 0) + !parsed.above.empty() + !parsed.below.empty() != 1)
        throw UsageError("move needs one of --to N, --above OTHER and --below OTHER");
    return parsed;
}
