#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "bench_main.h"
#include "bench_timing.h"
#include "catalogue.h"
#include "tga_export.h"

namespace {

constexpr int Runs = 5;
constexpr double Target = 1.3;
constexpr std::size_t HeaderBytes = 18;

[[noreturn]] void failed(const std::string &what)
{
    throw std::runtime_error(what + ": " + std::strerror(errno));
}

void writeExactly(int fd, const void *from, std::size_t count, const std::string &path)
{
    const auto *cursor = static_cast<const char *>(from);
    while (count > 0) {
        const ssize_t put = ::write(fd, cursor, count);
        if (put <= 0)
            failed(path);
        cursor += put;
        count -= std::size_t(put);
    }
}

// The baseline: for every image the same file size (18 header bytes, then its byte count of
// pixels), written with nothing but open, write, write and close, under its final name.
void rawWriteAll(const Catalogue &c, const std::string &folder, bool sync)
{
    const std::vector<std::uint8_t> header(HeaderBytes, 0);
    for (int n = 1; n < c.ImageCount; ++n) {
        const std::string path = folder + std::to_string(n) + ".raw";
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (fd < 0)
            failed(path);
        writeExactly(fd, header.data(), header.size(), path);
        writeExactly(fd, c.ImagePixels[std::size_t(n)].data(), std::size_t(c.ImageSizes[std::size_t(n)]), path);
        if (sync && ::fdatasync(fd) != 0)
            failed(path);
        if (::close(fd) != 0)
            failed(path);
    }
}

void emptyFolder(const std::filesystem::path &folder)
{
    for (const auto &entry : std::filesystem::directory_iterator(folder))
        std::filesystem::remove(entry.path());
}

// A scratch folder beside the game folder, so every write goes to the same file system.
std::filesystem::path scratchBeside(const std::string &folder)
{
    std::filesystem::path game = std::filesystem::absolute(folder);
    if (!game.has_filename())
        game = game.parent_path();
    std::string pattern = (game.parent_path() / ".bench_save_all_tga-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        failed(game.parent_path().string() + ": cannot make a scratch folder");
    return pattern;
}

// Every exported file must have the size of its header and pixel data.
bool exportsComplete(const Catalogue &c, const std::filesystem::path &folder)
{
    std::size_t files = 0;
    for (const auto &entry : std::filesystem::directory_iterator(folder)) {
        (void)entry;
        ++files;
    }
    if (files != std::size_t(std::max(c.ImageCount - 1, 0)))
        return false;
    for (int n = 1; n < c.ImageCount; ++n) {
        const std::filesystem::path file = folder / (threeDigitName(n) + ".tga");
        std::error_code error;
        if (std::filesystem::file_size(file, error) != HeaderBytes + std::size_t(c.ImageSizes[std::size_t(n)]) || error)
            return false;
    }
    return true;
}

void line(const char *what, double exportMs, const char *baseline, double rawMs, bool targeted)
{
    const double ratio = exportMs / rawMs;
    std::printf("%-28s %9.1f ms   %-28s %9.1f ms   ratio %.2f", what, exportMs, baseline, rawMs, ratio);
    if (targeted)
        std::printf(" (target <= %.1f: %s)", Target, ratio <= Target ? "met" : "missed");
    std::printf("\n");
}

int run(const std::string &folder)
{
    Catalogue c;
    const double loadMs = milliseconds([&] { c = loadGameFolder(folder); });
    std::uint64_t bytes = 0;
    for (int n = 1; n < c.ImageCount; ++n)
        bytes += HeaderBytes + std::uint64_t(std::max(c.ImageSizes[std::size_t(n)], 0));

    const std::filesystem::path scratch = scratchBeside(folder);
    const std::string into = scratch.string() + "/";
    std::vector<double> exported, raw, rawSynced;
    bool complete = true;
    try {
        for (int run = 0; run < Runs; ++run) {
            raw.push_back(milliseconds([&] { rawWriteAll(c, into, false); }));
            emptyFolder(scratch);
            rawSynced.push_back(milliseconds([&] { rawWriteAll(c, into, true); }));
            emptyFolder(scratch);
            exported.push_back(milliseconds([&] { saveAllImagesTga(c, into, {}); }));
            complete = complete && exportsComplete(c, scratch);
            emptyFolder(scratch);
        }
    } catch (...) {
        std::filesystem::remove_all(scratch);
        throw;
    }
    std::filesystem::remove_all(scratch);

    std::printf("bench_save_all_tga: %s: %d files, %.1f MB, loaded in %.0f ms; median of %d runs\n", folder.c_str(),
                std::max(c.ImageCount - 1, 0), double(bytes) / 1e6, loadMs, Runs);
    // Exports are left to the system's cache like the raw write; the flushed write is shown for comparison.
    line("save all (saveAllImagesTga)", median(exported), "raw write, no flush", median(raw), true);
    line("save all (saveAllImagesTga)", median(exported), "raw write, fdatasync each", median(rawSynced), false);
    std::printf("every export whole: %s\n", complete ? "yes" : "NO");
    return complete ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    return benchOnFolder(argc, argv, "bench_save_all_tga", run);
}
