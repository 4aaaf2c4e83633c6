#pragma once

#include <ostream>
#include <string>
#include <vector>

// The commands of tessary-cli, for scripted checks and mod pipelines.
namespace CliCommands {

enum ExitCode { Success = 0, Failure = 1, BadArguments = 2, Interrupted = 130 };

// How to use the program, as --help prints it.
extern const char *const Usage;

// Runs the command line args (without the program name); results go to out, errors and usage
// to err. progressShown draws the progress bar on err.
int run(const std::vector<std::string> &args, std::ostream &out, std::ostream &err, bool progressShown = false);

} // namespace CliCommands
