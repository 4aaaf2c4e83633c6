#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

// A game folder in memory-backed temporary storage, made once per fuzzing process.
inline const std::string &scratchGameFolder()
{
    static const std::string root = [] {
        const std::filesystem::path base = std::filesystem::exists("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
        const std::filesystem::path dir = base / ("tessary-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir / "MenuData/PC/GP2001/images");
        std::filesystem::create_directories(dir / "MenuData/PC/GP2001/fonts");
        return dir.string();
    }();
    return root;
}

inline void writeScratchFile(const std::string &path, const std::uint8_t *data, std::size_t size)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(data), std::streamsize(size));
}
