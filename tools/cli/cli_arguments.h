#pragma once

#include <stdexcept>
#include <string>
#include <vector>

// The command line of tessary-cli, checked against what its command takes.
struct CliArguments {
    std::string command;
    std::vector<std::string> operands; // the folders, then (restore) the pictures
    bool json = false;
    bool dryRun = false;
    bool force = false;
    bool all = false;
    bool fonts = false;
    bool png = false;                  // --format png
    bool imagesGiven = false;
    std::vector<int> images;           // --images, sorted, each once
    std::string name;                  // pack: --name, --author, --description
    std::string author;
    std::string description;
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

// The numbers of a list such as "1,5,7-12", sorted, each once. Throws UsageError.
std::vector<int> parseImageList(const std::string &list);
