#include "sample_folder.h"

#include <cstring>
#include <vector>

#include "export_file.h"
#include "file_ops.h"
#include "font_file.h"
#include "game_file_error.h"
#include "game_paths.h"
#include "index_file.h"
#include "sample_font_painter.h"
#include "sample_image_painter.h"

namespace {

void writeFile(const std::string &path, const void *data, std::size_t size)
{
    FileOps::OutputFile out(path, path);
    out.write(data, size);
    out.close();
}

// Through the core's file calls, which take UTF-8 names whole on Windows too.
void refuseRealGame(const std::string &exePath)
{
    if (!FileOps::isFile(exePath)) {
        if (FileOps::exists(exePath))
            throw GameFileError(exePath, "is not a file; refusing to make a sample game folder here");
        return;
    }
    const std::vector<std::uint8_t> held = FileOps::readWhole(exePath);
    const std::size_t length = std::strlen(SampleFolder::PlaceholderText);
    if (held.size() != length || std::memcmp(held.data(), SampleFolder::PlaceholderText, length) != 0)
        throw GameFileError(exePath, "belongs to a real game folder; refusing to overwrite it with a sample");
}

} // namespace

namespace SampleFolder {

Summary write(const std::string &folder, SampleKind kind)
{
    const std::string exePath = GamePaths::join(folder, "\\gp4.exe");
    refuseRealGame(exePath);
    makeFolderPath(folder);
    makeFolderPath(GamePaths::underData(folder, "images"));
    makeFolderPath(GamePaths::underData(folder, "fonts"));

    writeFile(exePath, PlaceholderText, std::strlen(PlaceholderText));

    Catalogue plan = SamplePlan::skeleton(kind);
    Summary summary;
    for (std::int32_t n = 1; n < plan.ImageCount; ++n) {
        const TGPHDetails &entry = plan.ImageDetails[std::size_t(n)];
        const std::vector<std::uint8_t> bytes
            = SampleImagePainter::gameBytes(SampleImagePainter::paint(n, entry.Width, entry.Height));
        writeFile(GamePaths::image(folder, n), bytes.data(), bytes.size());
        summary.imageBytes += bytes.size();
        ++summary.images;
    }

    const std::vector<std::uint8_t> index = IndexFile::encode(plan);
    writeFile(GamePaths::index(folder), index.data(), index.size());
    summary.indexBytes = index.size();

    for (int i = 0; i < FontCount; ++i) {
        const std::vector<std::uint8_t> font
            = FontFile::encode(plan.FontDetails[std::size_t(i)], SampleFontPainter::paint(i));
        writeFile(GamePaths::font(folder, i), font.data(), font.size());
        summary.fontBytes += font.size();
    }
    return summary;
}

} // namespace SampleFolder
