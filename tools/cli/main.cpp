#include <QCoreApplication>
#include <QStringList>

#include <iostream>
#include <string>
#include <vector>

#include "cli_commands.h"
#include "core_path.h"
#include "program_options.h"
#include "terminal_progress.h"

int main(int argc, char *argv[])
{
    // Qt hands out the arguments as the system gave them (wide on Windows); the core takes
    // file names as CorePath makes them.
    QCoreApplication application(argc, argv);
    std::vector<std::string> args;
    for (const QString &arg : QCoreApplication::arguments().mid(1))
        args.push_back(CorePath::fromQt(arg));
    if (const auto answered = ProgramOptions::answerStandard(args, "tessary-cli", CliCommands::Usage))
        return *answered;
    return CliCommands::run(args, std::cout, std::cerr, TerminalProgress::standardErrorIsTerminal());
}
