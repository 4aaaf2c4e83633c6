#include "game_folder_builder.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "font_file.h"
#include "game_paths.h"
#include "index_file.h"

namespace fs = std::filesystem;

namespace GameFolderBuilder {

Catalogue makeCatalogue(int slots)
{
    Catalogue c;
    c.ImageCount = slots;
    c.IndexExtra = 0xFFFFFFFEu;
    const auto count = std::size_t(std::max(slots, 0));
    c.ImageDetails.resize(count);
    c.ImageBlocks.resize(count);
    c.ImagePixels.resize(count);
    c.ImageSizes.resize(count);
    for (std::size_t n = 1; n < count; ++n) {
        TGPHDetails &d = c.ImageDetails[n];
        d.Lead = 0xFF000000u | std::uint32_t(n);
        d.BlockCount = std::uint16_t(n % 3);
        d.Width = int(n) + 1;
        d.Height = int(n) + 2;
        for (std::size_t b = 0; b < d.Trailer.size(); ++b)
            d.Trailer[b] = std::uint8_t(b % 2 ? 0xFF : n + b);
        c.ImageBlocks[n].resize(d.BlockCount);
        for (TGPHBlock &block : c.ImageBlocks[n])
            for (std::size_t b = 0; b < block.Bytes.size(); ++b)
                block.Bytes[b] = std::uint8_t(0xF0 + b + n);
        const std::size_t pixels = std::size_t(d.Width) * std::size_t(d.Height);
        c.ImagePixels[n].resize(pixels);
        for (std::size_t p = 0; p < pixels; ++p)
            c.ImagePixels[n][p] = std::uint32_t(p * 2654435761u + n);
        c.ImageSizes[n] = std::int32_t(pixels * 4);
    }
    const int tableCounts[FontCount] = {0, 1, 3, 16, 95, 256};
    c.FontBitmaps.resize(FontCount);
    for (int i = 0; i < FontCount; ++i) {
        TGPFDetails &f = c.FontDetails[std::size_t(i)];
        f.TableCount = tableCounts[i];
        f.HeaderWord = std::uint16_t(0xFF00 + i);
        f.HeaderIntA = 0xFFFFFFFFu - std::uint32_t(i);
        f.HeaderIntB = std::uint32_t(i) * 7919u;
        f.Table.resize(std::size_t(f.TableCount));
        for (std::size_t e = 0; e < f.Table.size(); ++e)
            f.Table[e] = std::uint32_t(e * 40503u + std::uint32_t(i));
        c.FontBitmaps[std::size_t(i)].resize(FontSheetBytes);
        for (std::size_t b = 0; b < FontSheetBytes; ++b)
            c.FontBitmaps[std::size_t(i)][b] = std::uint8_t((b >> 8) ^ b ^ std::size_t(i));
    }
    return c;
}

namespace {

// A UTF-8 name as a path: on Windows a narrow name would go through the ANSI code page.
fs::path utf8Path(const std::string &name)
{
    return fs::path(std::u8string(name.begin(), name.end()));
}

std::string utf8Name(const fs::path &path)
{
    const std::u8string name = path.generic_u8string();
    return std::string(name.begin(), name.end());
}

} // namespace

void writeFile(const std::string &path, const std::vector<std::uint8_t> &bytes)
{
    fs::create_directories(utf8Path(path).parent_path());
    std::ofstream out(utf8Path(path), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
}

void write(const std::string &root, const Catalogue &c)
{
    writeFile(root + "/gp4.exe", {'M', 'Z'});
    writeFile(GamePaths::index(root), IndexFile::encode(c));
    for (int n = 1; n < c.ImageCount; ++n) {
        const auto *p = reinterpret_cast<const std::uint8_t *>(c.ImagePixels[std::size_t(n)].data());
        writeFile(GamePaths::image(root, n), std::vector<std::uint8_t>(p, p + c.ImageSizes[std::size_t(n)]));
    }
    for (int i = 0; i < FontCount; ++i)
        writeFile(GamePaths::font(root, i), FontFile::encode(c.FontDetails[std::size_t(i)], c.FontBitmaps[std::size_t(i)]));
}

Catalogue make(const std::string &root, int slots)
{
    Catalogue c = makeCatalogue(slots);
    c.GP4Path = root;
    write(root, c);
    return c;
}

std::vector<std::uint8_t> readFile(const std::string &path)
{
    std::ifstream in(utf8Path(path), std::ios::binary | std::ios::ate);
    if (!in)
        return {};
    std::vector<std::uint8_t> bytes(std::size_t(in.tellg()));
    in.seekg(0);
    in.read(reinterpret_cast<char *>(bytes.data()), std::streamsize(bytes.size()));
    return bytes;
}

std::vector<std::pair<std::string, std::vector<std::uint8_t>>> snapshot(const std::string &root)
{
    std::vector<std::pair<std::string, std::vector<std::uint8_t>>> files;
    for (const auto &entry : fs::recursive_directory_iterator(utf8Path(root))) {
        const std::string relative = utf8Name(fs::relative(entry.path(), utf8Path(root)));
        const bool tessarysOwn = entry.path().filename() == "tessary.lock" || relative.find("tessary-originals") != std::string::npos;
        if (entry.is_regular_file() && !tessarysOwn)
            files.emplace_back(relative, readFile(utf8Name(entry.path())));
    }
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace GameFolderBuilder
