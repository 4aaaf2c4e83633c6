#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <QCoreApplication>
#include <QStringList>

#include "core_path.h"
#endif

#include "cli_commands.h"
#include "console_text.h"
#include "program_options.h"
#include "stop_signals.h"
#include "terminal_progress.h"

namespace {

// The arguments as the core names files: on POSIX the bytes the system gave (a name that is not
// UTF-8 stays as it is), on Windows the wide arguments as UTF-8.
std::vector<std::string> coreArguments(int argc, char *argv[])
{
#ifdef _WIN32
    QCoreApplication application(argc, argv);
    std::vector<std::string> args;
    for (const QString &arg : QCoreApplication::arguments().mid(1))
        args.push_back(CorePath::fromQt(arg));
    return args;
#else
    return ProgramOptions::arguments(argc, argv);
#endif
}

// A write to standard output that failed (a full disk, a closed pipe) is an error of its own.
int checkedOutput(int code)
{
    std::cout.flush();
    if (std::fflush(stdout) == 0 && !std::ferror(stdout) && std::cout)
        return code;
    const int error = errno;
    std::cerr << "tessary-cli: standard output can't be written (" << (error ? std::strerror(error) : "the write failed") << ")\n";
    return code == CliCommands::Success ? CliCommands::Failure : code;
}

} // namespace

int main(int argc, char *argv[])
{
    ConsoleText::useUtf8();
    StopSignals::install();
    const std::vector<std::string> args = coreArguments(argc, argv);
    if (const auto answered = ProgramOptions::answerStandard(args, "tessary-cli", CliCommands::Usage))
        return checkedOutput(*answered);
    return checkedOutput(CliCommands::run(args, std::cout, std::cerr, TerminalProgress::standardErrorIsTerminal()));
}
