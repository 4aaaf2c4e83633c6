#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>

#include "bench_main.h"
#include "bench_timing.h"
#include "catalogue.h"
#include "core_raw_files.h"
#include "game_paths.h"
#include "write_back.h"

namespace {

// Loading is quick and noisy on a shared machine, so it is repeated more often than writing.
constexpr int LoadRuns = 15;
constexpr int WriteRuns = 5;
constexpr double LoadTarget = 1.2;
constexpr double WriteTarget = 1.3;
constexpr double OneImageTarget = 0.05;

bool sameBytes(const std::vector<CoreRawFiles::Held> &a, const std::vector<CoreRawFiles::Held> &b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t k = 0; k < a.size(); ++k)
        if (a[k].size != b[k].size || std::memcmp(a[k].bytes.get(), b[k].bytes.get(), a[k].size) != 0)
            return false;
    return true;
}

// A scratch folder beside the game folder, so the raw writes go to the same file system.
std::filesystem::path scratchBeside(const std::string &folder)
{
    std::filesystem::path game = std::filesystem::absolute(folder);
    if (!game.has_filename())
        game = game.parent_path();
    std::string pattern = (game.parent_path() / ".bench_core-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error(game.parent_path().string() + ": cannot make a scratch folder: " + std::strerror(errno));
    struct stat gameInfo {}, scratchInfo {};
    if (::stat(game.c_str(), &gameInfo) == 0 && ::stat(pattern.c_str(), &scratchInfo) == 0
        && gameInfo.st_dev != scratchInfo.st_dev)
        std::printf("note: the scratch folder %s is on another file system\n", pattern.c_str());
    return pattern;
}

void line(const char *what, double core, const char *baseline, double raw, double target)
{
    const double ratio = core / raw;
    std::printf("%-30s %9.1f ms   %-26s %9.1f ms   ratio %.3f (target <= %.2f: %s)\n", what, core, baseline, raw,
                ratio, target, ratio <= target ? "met" : "missed");
}

int run(const std::string &folder)
{
    // Every buffer gets memory of its own from the system and gives it back when freed, as in a
    // program that loads a folder once; otherwise a step after a large free reuses that memory
    // and looks faster than the same work before it.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    // The first load warms the cache and gives the bytes for the write baselines.
    Catalogue loaded = loadGameFolder(folder);
    const std::vector<std::string> paths = CoreRawFiles::gameFiles(loaded);
    const std::vector<CoreRawFiles::Held> before = CoreRawFiles::readAll(paths);
    std::uint64_t bytes = 0;
    for (const CoreRawFiles::Held &file : before)
        bytes += file.size;

    std::vector<double> load, rawRead, writeEverything, writeOneImage, rawDurable;
    for (int run = 0; run < LoadRuns; ++run) {
        std::vector<CoreRawFiles::Held> held;
        rawRead.push_back(milliseconds([&] { held = CoreRawFiles::readAll(paths); }));
        Catalogue c;
        load.push_back(milliseconds([&] { c = loadGameFolder(folder); }));
    }

    WriteBackOptions everything;
    everything.scope = WriteBackOptions::Scope::Everything;
    const int middleImage = std::max(loaded.ImageCount / 2, 1);
    const std::filesystem::path scratch = scratchBeside(folder);
    try {
        // The raw rewrite replaces files that exist, as the write-back does.
        CoreRawFiles::writeAll(scratch.string(), before, false);
        for (int run = 0; run < WriteRuns; ++run) {
            rawDurable.push_back(milliseconds([&] { CoreRawFiles::rewriteDurably(scratch.string(), before); }));
            writeEverything.push_back(milliseconds([&] { applyAllChanges(loaded, everything); }));
            loaded.markImageChanged(middleImage);
            writeOneImage.push_back(milliseconds([&] { applyAllChanges(loaded); }));
        }
    } catch (...) {
        std::filesystem::remove_all(scratch);
        throw;
    }
    std::filesystem::remove_all(scratch);

    const bool unchanged = sameBytes(before, CoreRawFiles::readAll(paths));
    std::printf("bench_core: %s: %zu files, %.1f MB, warm cache; medians of %d loads and %d writes\n", folder.c_str(),
                paths.size(), double(bytes) / 1e6, LoadRuns, WriteRuns);
    line("load (loadGameFolder)", median(load), "raw read", median(rawRead), LoadTarget);
    line("write-back, every file", median(writeEverything), "raw durable rewrite", median(rawDurable), WriteTarget);
    line("write-back, one image changed", median(writeOneImage), "write-back, every file", median(writeEverything),
         OneImageTarget);
    std::printf("game folder byte-identical after the write-backs: %s\n", unchanged ? "yes" : "NO");
    return unchanged ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    return benchOnFolder(argc, argv, "bench_core", run);
}
