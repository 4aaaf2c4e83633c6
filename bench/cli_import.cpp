// bench_cli_import FOLDER: `tessary-cli import` of 5 and of every picture into a copy of a
// large game folder, time and peak memory, against `tessary-cli check` (the whole folder
// loaded) in the same run. An import reads only the index, the fonts and the images it
// replaces, so its cost follows the pictures changed, not the folder.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "bench_timing.h"
#include "program_options.h"

namespace {

namespace fs = std::filesystem;
constexpr int Runs = 3;

struct Run {
    double milliseconds = 0;
    double peakMegabytes = 0;
};

// Runs the program with arguments, its output thrown away; its time and peak resident memory.
Run runProgram(const std::vector<std::string> &arguments)
{
    std::vector<char *> argv;
    for (const std::string &argument : arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);
    Run run;
    int status = 0;
    rusage usage{};
    // Spawned rather than forked: a forked child would count this process's memory as its own.
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    run.milliseconds = milliseconds([&] {
        pid_t child = 0;
        if (::posix_spawn(&child, argv[0], &quiet, nullptr, argv.data(), environ) == 0)
            ::wait4(child, &status, 0, &usage);
        else
            status = 127 << 8;
    });
    posix_spawn_file_actions_destroy(&quiet);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s %s failed\n", arguments[0].c_str(), arguments[1].c_str());
        std::exit(1);
    }
    run.peakMegabytes = double(usage.ru_maxrss) / 1024.0;
    return run;
}

// Images of folder exported as .tga into a new folder by the program itself (so that this
// process stays small: a child's peak memory counts its parent's from before it started),
// each one pixel changed so that the import replaces every one; how many megabytes they take.
double editedPictures(const std::string &cli, const std::string &folder, const std::string &images, const std::string &into)
{
    fs::create_directories(into);
    runProgram(images.empty() ? std::vector<std::string>{cli, "export", folder, into}
                              : std::vector<std::string>{cli, "export", folder, into, "--images", images});
    double bytes = 0;
    for (const auto &entry : fs::directory_iterator(into)) {
        std::fstream file(entry.path(), std::ios::in | std::ios::out | std::ios::binary);
        char first = 0;
        file.seekg(18);
        file.read(&first, 1);
        file.seekp(18);
        file.put(char(first ^ 1));
        bytes += double(entry.file_size() - 18);
    }
    return bytes / (1 << 20);
}

} // namespace

int main(int argc, char *argv[])
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (const auto answered = ProgramOptions::answerStandard(args, "bench_cli_import", "Usage: bench_cli_import FOLDER\n"))
        return *answered;
    if (args.size() != 1) {
        std::fprintf(stderr, "Usage: bench_cli_import FOLDER\n");
        return 2;
    }
    const std::string folder = args[0];
    const std::string cli = (fs::canonical("/proc/self/exe").parent_path() / "tessary-cli").string();
    const fs::path work = fs::temp_directory_path() / ("tessary-bench-import-" + std::to_string(::getpid()));
    const double fiveMegabytes = editedPictures(cli, folder, "1-5", (work / "five").string());
    const double allMegabytes = editedPictures(cli, folder, "", (work / "all").string());

    std::vector<double> start, check, five, all, checkPeak, fivePeak, allPeak;
    for (int k = 0; k < Runs; ++k) {
        start.push_back(runProgram({cli, "--version"}).milliseconds);
        const std::string copy = (work / "game").string();
        fs::remove_all(copy);
        fs::copy(folder, copy, fs::copy_options::recursive);
        const Run whole = runProgram({cli, "check", copy});
        const Run importFive = runProgram({cli, "import", copy, (work / "five").string()});
        fs::remove_all(copy);
        fs::copy(folder, copy, fs::copy_options::recursive);
        const Run importAll = runProgram({cli, "import", copy, (work / "all").string()});
        check.push_back(whole.milliseconds);
        checkPeak.push_back(whole.peakMegabytes);
        five.push_back(importFive.milliseconds);
        fivePeak.push_back(importFive.peakMegabytes);
        all.push_back(importAll.milliseconds);
        allPeak.push_back(importAll.peakMegabytes);
    }
    fs::remove_all(work);

    std::printf("whole-folder load (tessary-cli check): %.0f ms, peak %.0f MB; the program's start alone: %.0f ms\n", median(check),
                median(checkPeak), median(start));
    std::printf("import of 5 pictures (%.1f MB of pixels): %.0f ms = %.3f x the whole-folder load (target <= 0.10); "
                "peak %.0f MB = %.1f MB + the pictures (target < 100 MB)\n",
                fiveMegabytes, median(five), median(five) / median(check), median(fivePeak), median(fivePeak) - fiveMegabytes);
    std::printf("import of every picture (%.1f MB of pixels): %.0f ms = %.2f x the whole-folder load; peak %.0f MB = %.2f x\n",
                allMegabytes, median(all), median(all) / median(check), median(allPeak), median(allPeak) / median(checkPeak));
    return 0;
}
