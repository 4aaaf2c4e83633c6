#include <iostream>
#include <string>
#include <vector>

#include "cli_commands.h"

int main(int argc, char *argv[])
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    return CliCommands::run(args, std::cout, std::cerr);
}
