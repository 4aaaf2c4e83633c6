#include "write_back.h"

#include <algorithm>

#include "catalogue.h"
#include "file_ops.h"
#include "font_file.h"
#include "game_file_error.h"
#include "game_paths.h"
#include "index_file.h"

namespace {

// A finished file waiting beside the game file it replaces.
struct StagedFile {
    std::string target;
    std::string staged;
};

std::string stagingName(const std::string &target) { return target + ".tessary-new"; }

// Writes bytes to a file beside target; the staged name is recorded before it exists so that
// a failure part-way can still remove it.
void stage(std::vector<StagedFile> &staged, const std::string &target, const void *data, std::size_t size)
{
    staged.push_back({target, stagingName(target)});
    FileOps::OutputFile out(staged.back().staged, target);
    if (size > 0)
        out.write(data, size);
    out.close(FileOps::OutputFile::Durability::Started);
}

void WriteGPI(const Catalogue &c, int n, std::vector<StagedFile> &staged)
{
    const auto size = std::size_t(std::max(c.ImageSizes[std::size_t(n)], 0));
    stage(staged, GamePaths::image(c.GP4Path, n), c.ImagePixels[std::size_t(n)].data(), size);
}

void Writesizes(const Catalogue &c, std::vector<StagedFile> &staged)
{
    const std::vector<std::uint8_t> bytes = IndexFile::encode(c);
    stage(staged, GamePaths::index(c.GP4Path), bytes.data(), bytes.size());
}

void WriteGPF(const Catalogue &c, int i, std::vector<StagedFile> &staged)
{
    const std::vector<std::uint8_t> bytes = FontFile::encode(c.FontDetails[std::size_t(i)], c.FontBitmaps[std::size_t(i)]);
    stage(staged, GamePaths::font(c.GP4Path, i), bytes.data(), bytes.size());
}

// A game file that can't be replaced is reported before any file is touched.
void checkReplaceable(const std::string &target)
{
    if (FileOps::isFolder(target))
        throw GameFileError(target, "is a folder, not a file");
    if (FileOps::isReadOnly(target))
        throw GameFileError(target, FailureText::AccessDenied);
}

void checkComplete(const Catalogue &c)
{
    const auto slots = std::size_t(std::max(c.ImageCount, 0));
    if (c.ImageDetails.size() != slots || c.ImageBlocks.size() != slots || c.ImagePixels.size() != slots
        || c.ImageSizes.size() != slots || c.FontBitmaps.size() != FontCount)
        throw GameFileError(c.GP4Path, "the game folder is not loaded completely; nothing was written");
    for (std::size_t n = 1; n < slots; ++n) {
        if (c.ImageSizes[n] < 0 || pixelElementsFor(std::size_t(c.ImageSizes[n])) > c.ImagePixels[n].size())
            throw GameFileError(GamePaths::image(c.GP4Path, int(n)), "holds fewer pixels than its byte count; nothing was written");
    }
}

void discard(const std::vector<StagedFile> &staged, std::size_t from)
{
    for (std::size_t k = from; k < staged.size(); ++k)
        FileOps::removeQuietly(staged[k].staged);
}

std::string listOf(const std::vector<std::string> &paths)
{
    std::string text;
    for (const std::string &path : paths)
        text += (text.empty() ? "" : ", ") + path;
    return text;
}

} // namespace

void applyAllChanges(const Catalogue &c, const std::function<void(int)> &progress)
{
    checkComplete(c);
    for (int n = 1; n < c.ImageCount; ++n)
        checkReplaceable(GamePaths::image(c.GP4Path, n));
    for (int i = 0; i < FontCount; ++i)
        checkReplaceable(GamePaths::font(c.GP4Path, i));
    if (FileOps::isFolder(GamePaths::index(c.GP4Path)))
        throw GameFileError(GamePaths::index(c.GP4Path), "is a folder, not a file");

    std::vector<StagedFile> staged;
    try {
        for (int n = 1; n < c.ImageCount; ++n) {
            if (progress)
                progress(n);
            WriteGPI(c, n, staged);
        }
        Writesizes(c, staged);
        for (int i = 0; i < FontCount; ++i) {
            if (progress)
                progress(c.ImageCount + i);
            WriteGPF(c, i, staged);
        }
        // The disk has been writing all along; a file is trusted only once it is there.
        for (const StagedFile &file : staged)
            FileOps::flushToDisk(file.staged, file.target);
    } catch (...) {
        discard(staged, 0);
        throw;
    }

    // Every file is whole on disk; now each replaces its original in the same order.
    const std::string indexPath = GamePaths::index(c.GP4Path);
    std::vector<std::string> replaced;
    for (std::size_t k = 0; k < staged.size(); ++k) {
        try {
            if (staged[k].target == indexPath)
                FileOps::clearAttributes(indexPath);
            FileOps::renameReplacing(staged[k].staged, staged[k].target, staged[k].target);
        } catch (const GameFileError &error) {
            discard(staged, k);
            if (replaced.empty())
                throw;
            throw GameFileError(error.path(), error.reason() + "; these files were already replaced: " + listOf(replaced));
        }
        replaced.push_back(staged[k].target);
    }
}
