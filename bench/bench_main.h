#pragma once

#include <cstdio>
#include <exception>
#include <string>

#include "program_options.h"

// The start of a benchmark run on one game folder: its command line read, its usage and its
// errors said under its own name. run takes the folder and returns the exit code.
template <typename Run>
int benchOnFolder(int argc, char *argv[], const char *program, Run run)
{
    const std::string usage = std::string("Usage: ") + program
        + " FOLDER\nFOLDER: a game folder, e.g. one made by make-sample-gamefolder --large\n";
    const ProgramOptions::Operands folder
        = ProgramOptions::takeOperands(ProgramOptions::arguments(argc, argv), program, usage.c_str(), 1);
    if (folder.exitCode)
        return *folder.exitCode;
    try {
        return run(folder.values.front());
    } catch (const std::exception &error) {
        std::fprintf(stderr, "%s: %s\n", program, error.what());
        return 1;
    }
}
