#include "core_raw_files.h"

#include "catalogue.h"
#include "game_paths.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

[[noreturn]] void fail(const std::string &path, const char *what)
{
    throw std::runtime_error(path + ": " + what + ": " + std::strerror(errno));
}

} // namespace

namespace CoreRawFiles {

void writeOne(const std::string &path, const Held &file, bool sync)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        fail(path, "open");
    std::size_t done = 0;
    while (done < file.size) {
        const ssize_t put = ::write(fd, file.bytes.get() + done, file.size - done);
        if (put <= 0)
            fail(path, "write");
        done += std::size_t(put);
    }
    if (sync && ::fdatasync(fd) != 0)
        fail(path, "fdatasync");
    if (::close(fd) != 0)
        fail(path, "close");
}

std::vector<std::string> gameFiles(const Catalogue &c)
{
    std::vector<std::string> paths{GamePaths::index(c.GP4Path)};
    for (int n = 1; n < c.ImageCount; ++n)
        paths.push_back(GamePaths::image(c.GP4Path, n));
    for (int i = 0; i < FontCount; ++i)
        paths.push_back(GamePaths::font(c.GP4Path, i));
    return paths;
}


std::vector<Held> readAll(const std::vector<std::string> &paths)
{
    std::vector<Held> held(paths.size());
    for (std::size_t k = 0; k < paths.size(); ++k) {
        const int fd = ::open(paths[k].c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            fail(paths[k], "open");
        struct stat info {};
        if (::fstat(fd, &info) != 0)
            fail(paths[k], "fstat");
        held[k].size = std::size_t(info.st_size);
        held[k].bytes.reset(new std::uint8_t[held[k].size]);
        std::size_t done = 0;
        while (done < held[k].size) {
            const ssize_t got = ::read(fd, held[k].bytes.get() + done, held[k].size - done);
            if (got <= 0)
                fail(paths[k], "read");
            done += std::size_t(got);
        }
        if (::close(fd) != 0)
            fail(paths[k], "close");
    }
    return held;
}

void writeAll(const std::string &folder, const std::vector<Held> &held, bool sync)
{
    for (std::size_t k = 0; k < held.size(); ++k)
        writeOne(folder + "/" + std::to_string(k), held[k], sync);
}

void rewriteDurably(const std::string &folder, const std::vector<Held> &held)
{
    for (std::size_t k = 0; k < held.size(); ++k) {
        const std::string path = folder + "/" + std::to_string(k);
        writeOne(path + ".new", held[k], true);
        if (std::rename((path + ".new").c_str(), path.c_str()) != 0)
            fail(path, "rename");
    }
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0 || ::fsync(dir) != 0)
        fail(folder, "fsync of the folder");
    ::close(dir);
}

} // namespace CoreRawFiles
