#pragma once

#include <stdexcept>
#include <string>
#include <vector>

// first .. last of --images; a single number is a range of one.
struct ImageRange {
    int first = 0;
    int last = 0;
};

// The command line of tessary-cli, checked against what its command takes.
struct CliArguments {
    std::string command;
    std::vector<std::string> operands; // the folders, then (restore) the pictures
    bool json = false;
    bool dryRun = false;
    bool force = false;
    bool all = false;
    bool update = false;               // install: a mod of the same name is replaced in its place
    bool includeMods = false;          // pack: the pictures installed mods set go in too
    bool fonts = false;
    bool png = false;                  // --format png
    bool imagesGiven = false;
    std::vector<ImageRange> images;    // --images, as given
    std::string name;                  // pack: --name, --author, --description; install: --name
    std::string author;
    std::string description;
    int to = 0;                        // move: --to, the place counted from 1; 0 when not given
    std::string above;                 // move: --above, --below
    std::string below;
};

// A command line the program can't run; what() says why.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Parses the arguments after the program's name. Options may come anywhere ("--format png" or
// "--format=png"); "--" ends them. Throws UsageError for an unknown command or option, an
// option the command does not take, or the wrong number of operands.
CliArguments parseCliArguments(const std::vector<std::string> &args);

// The ranges of a list such as "1,5,7-12", each rising. Throws UsageError.
std::vector<ImageRange> parseImageList(const std::string &list);
// The numbers of ranges, sorted, each once. Throws GameFileError naming folder when a range
// reaches beyond imageCount images, before anything is expanded.
std::vector<int> expandImageList(const std::vector<ImageRange> &ranges, int imageCount, const std::string &folder);
