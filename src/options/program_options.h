#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What every program of Tessary answers alike: "--help" (or "-h") prints how to use it on
// standard output, "--version" its name and version, and both end it with exit code 0. No
// program takes an argument that looks like an option for a file or folder name; "--" ends the
// options, so that "-- -odd-name" still reaches a folder of that name.
namespace ProgramOptions {

// The version of every program of the project.
inline constexpr const char *Version = TESSARY_VERSION;

// True for an argument that looks like an option ("-x", "--name"); a lone "-" is not one.
inline bool looksLikeOption(std::string_view argument)
{
    return argument.size() > 1 && argument.front() == '-';
}

// Answers "--help", "-h" and "--version" found among the options (before any "--"): prints
// usage, or the program's name and the version, and gives the exit code 0. Otherwise nothing.
inline std::optional<int> answerStandard(const std::vector<std::string> &args, const char *program, const char *usage)
{
    for (const std::string &arg : args) {
        if (arg == "--")
            break;
        if (arg == "--help" || arg == "-h") {
            std::fputs(usage, stdout);
            return 0;
        }
        if (arg == "--version") {
            std::printf("%s %s\n", program, Version);
            return 0;
        }
    }
    return std::nullopt;
}

// The arguments after the program's name.
inline std::vector<std::string> arguments(int argc, char **argv)
{
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + (argc > 0 ? argc : 0));
}

// Splits arguments into options and operands ("--" ends the options; everything after it is an
// operand, whatever it looks like).
struct Split {
    std::vector<std::string> options;
    std::vector<std::string> operands;
};
inline Split split(const std::vector<std::string> &args)
{
    Split parts;
    bool optionsEnded = false;
    for (const std::string &arg : args) {
        if (!optionsEnded && arg == "--")
            optionsEnded = true;
        else if (!optionsEnded && looksLikeOption(arg))
            parts.options.push_back(arg);
        else
            parts.operands.push_back(arg);
    }
    return parts;
}

// What a program that takes only operands (no options of its own) makes of its arguments.
struct Operands {
    std::optional<int> exitCode; // set when the program ends here: 0 after --help or --version, 2 for bad arguments
    std::vector<std::string> values;
};

// Answers --help and --version; refuses any other option and a count of operands other than
// count (usage and the reason on standard error, exit code 2).
inline Operands takeOperands(const std::vector<std::string> &args, const char *program, const char *usage, std::size_t count)
{
    if (const std::optional<int> answered = answerStandard(args, program, usage))
        return {answered, {}};
    Split parts = split(args);
    std::string problem;
    if (!parts.options.empty())
        problem = "unknown option " + parts.options.front() + " (a name starting with '-' goes after \"--\")";
    else if (parts.operands.size() != count)
        problem = "expected " + std::to_string(count) + " argument" + (count == 1 ? "" : "s") + ", got " + std::to_string(parts.operands.size());
    else
        for (const std::string &operand : parts.operands)
            if (operand.empty())
                problem = "an empty name was given";
    if (!problem.empty()) {
        std::fputs(usage, stderr);
        std::fprintf(stderr, "%s: %s\n", program, problem.c_str());
        return {2, {}};
    }
    return {std::nullopt, std::move(parts.operands)};
}

} // namespace ProgramOptions
