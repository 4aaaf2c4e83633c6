#include "folder_import.h"

#include <algorithm>
#include <map>
#include <variant>

#include "file_ops.h"
#include "game_file_error.h"
#include "game_paths.h"
#include "picture_names.h"
#include "picture_step.h"
#include "write_back.h"

namespace {

DecodedPicture decode(const FolderImportPlan::Match &match, const PictureReader &reader)
{
    try {
        if (match.font)
            return reader.readFont(match.path);
        return reader.readImage(match.path);
    } catch (const GameFileError &error) {
        return error.path() == match.path ? error.reason() : std::string(error.what());
    }
}

std::string count(std::size_t n, const char *one, const char *many)
{
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

const char *nothingMatched(PictureKinds kinds)
{
    switch (kinds) {
    case PictureKinds::Images: return "matched no image";
    case PictureKinds::Fonts: return "matched no font sheet";
    case PictureKinds::Both: return "matched no image or font sheet";
    }
    return "";
}

} // namespace

FolderListing listPicturesFolder(const std::string &folder)
{
    if (!FileOps::isFolder(folder))
        throw GameFileError(folder, FileOps::exists(folder) ? "is not a folder" : "folder not found");
    std::vector<std::string> names = FileOps::namesIn(folder);
    std::sort(names.begin(), names.end());
    FolderListing listing;
    for (const std::string &name : names) {
        if (name.starts_with("."))
            continue;
        const std::string path = GamePaths::inFolder(folder, name);
        if (FileOps::isFile(path))
            listing.files.push_back(path);
        else if (FileOps::isFolder(path))
            listing.skipped.emplace_back(name, "a folder");
        else if (FileOps::exists(path))
            listing.skipped.emplace_back(name, "not a regular file");
    }
    return listing;
}

std::vector<std::string> picturesFolderFiles(const std::string &folder)
{
    return listPicturesFolder(folder).files;
}

FolderImportPlan planFolderImport(const FolderListing &listing, const Catalogue &c, PictureKinds kinds)
{
    FolderImportPlan plan = planFolderImport(listing.files, c, kinds);
    plan.skipped = listing.skipped;
    return plan;
}

FolderImportPlan planFolderImport(const std::vector<std::string> &files, const Catalogue &c, PictureKinds kinds)
{
    FolderImportPlan plan;
    plan.kinds = kinds;
    std::map<std::pair<bool, int>, std::vector<FolderImportPlan::Match>> byPicture;
    for (const std::string &path : files) {
        const std::string name = PictureNames::fileNameOf(path);
        const int image = kinds == PictureKinds::Fonts ? 0 : PictureNames::imageNumber(name);
        const int font = kinds == PictureKinds::Images ? -1 : PictureNames::fontNumber(name);
        if (c.isImage(image))
            byPicture[{false, image}].push_back({path, name, false, image});
        else if (font >= 0)
            byPicture[{true, font}].push_back({path, name, true, font});
        else
            plan.unmatched.push_back(name);
    }
    for (const auto &[picture, matches] : byPicture) {
        if (matches.size() == 1) {
            plan.matches.push_back(matches.front());
            continue;
        }
        // Which of two files is meant can't be known; neither is taken.
        std::vector<std::string> names;
        for (const FolderImportPlan::Match &match : matches)
            names.push_back(match.name);
        for (const FolderImportPlan::Match &match : matches)
            plan.clashes.emplace_back(match.name, "these files all name the same " + std::string(picture.first ? "font sheet" : "image")
                                                      + ": " + shortList(names) + "; rename or remove all but one");
    }
    return plan;
}

std::vector<DecodedPicture> decodeFolderImport(const FolderImportPlan &plan, const PictureReader &reader,
                                               const std::function<void(int done, int total)> &progress)
{
    const int total = int(plan.matches.size());
    std::vector<DecodedPicture> decoded;
    decoded.reserve(plan.matches.size());
    for (const FolderImportPlan::Match &match : plan.matches) {
        if (progress)
            progress(int(decoded.size()), total);
        decoded.push_back(decode(match, reader));
    }
    if (progress)
        progress(total, total);
    return decoded;
}

FolderImportSummary replaceFromFolder(Catalogue &c, const FolderImportPlan &plan, std::vector<DecodedPicture> decoded,
                                      PictureStep *step, bool dryRun)
{
    FolderImportSummary summary;
    summary.kinds = plan.kinds;
    summary.dryRun = dryRun;
    summary.unmatched = plan.unmatched;
    summary.refused = plan.clashes;
    summary.skipped = plan.skipped;
    for (std::size_t k = 0; k < plan.matches.size() && k < decoded.size(); ++k) {
        const FolderImportPlan::Match &match = plan.matches[k];
        if (const std::string *reason = std::get_if<std::string>(&decoded[k])) {
            summary.refused.emplace_back(match.name, *reason);
            continue;
        }
        bool changed = false;
        if (auto *image = std::get_if<DecodedImage>(&decoded[k])) {
            if (dryRun)
                changed = !holdsImage(c, match.number, *image);
            else if (step)
                changed = step->replaceImage(c, match.number, std::move(*image));
            else
                changed = c.replaceImage(match.number, image->Width, image->Height, image->ByteCount, std::move(image->Pixels));
        } else if (auto *sheet = std::get_if<FontSheet>(&decoded[k])) {
            if (dryRun)
                changed = !holdsFont(c, match.number, *sheet);
            else
                changed = step ? step->replaceFontSheet(c, match.number, std::move(*sheet))
                               : c.replaceFontSheet(match.number, std::move(*sheet));
        }
        (changed ? summary.imported : summary.identical).push_back(match.name);
        if (changed)
            (match.font ? summary.fonts : summary.images).push_back(match.number);
        decoded[k] = std::string(); // the pixels now belong to the catalogue or the step, or go
    }
    std::sort(summary.refused.begin(), summary.refused.end());
    return summary;
}

FolderImportSummary runFolderImport(Catalogue &c, const FolderImportPlan &plan, const PictureReader &reader,
                                    const std::function<void(int done, int total)> &progress, bool dryRun)
{
    // Every file is read before any picture changes, so a refusal never leaves half an import.
    return replaceFromFolder(c, plan, decodeFolderImport(plan, reader, progress), nullptr, dryRun);
}

std::string FolderImportSummary::text(const std::string &source) const
{
    std::string text;
    if (imported.empty())
        text = dryRun ? "No picture would be imported" : "No picture was imported";
    else
        text = (dryRun ? "Would import " : "Imported ") + count(imported.size(), "picture", "pictures");
    text += source.empty() ? "." : " from " + source + ".";
    if (!identical.empty())
        text += "\n" + count(identical.size(), "file was", "files were") + " the same as the picture already there: " + shortList(identical);
    if (!refused.empty()) {
        text += "\n" + count(refused.size(), "file was", "files were") + " refused:";
        const std::size_t shown = std::min<std::size_t>(refused.size(), 10);
        for (std::size_t k = 0; k < shown; ++k)
            text += "\n" + refused[k].first + ": " + refused[k].second;
        if (refused.size() > shown)
            text += "\n\u2026 and " + std::to_string(refused.size() - shown) + " more";
    }
    if (!unmatched.empty())
        text += "\n" + count(unmatched.size(), "file", "files") + " " + nothingMatched(kinds) + ": " + shortList(unmatched);
    if (!skipped.empty()) {
        std::vector<std::string> named;
        for (const auto &[name, what] : skipped)
            named.push_back(name + " (" + what + ")");
        text += "\n" + count(skipped.size(), "entry was", "entries were") + " skipped, as they are no files: " + shortList(named);
    }
    return text;
}
