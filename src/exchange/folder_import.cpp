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
        return error.path() == match.path ? error.why() : error.message();
    }
}

// A line of the summary that counts its names and lists them.
Message countedList(const char *many, const char *one, const std::vector<std::string> &names)
{
    return Message(many).nested(Message::list(names, 10)).count(static_cast<long long>(names.size()), one);
}

Message nothingMatched(PictureKinds kinds, const std::vector<std::string> &names)
{
    switch (kinds) {
    case PictureKinds::Images: return countedList(CORE_COUNTED_WORDING("CoreMessages", "%n files matched no image: %1"), "%n file matched no image: %1", names);
    case PictureKinds::Fonts: return countedList(CORE_COUNTED_WORDING("CoreMessages", "%n files matched no font sheet: %1"), "%n file matched no font sheet: %1", names);
    case PictureKinds::Both: break;
    }
    return countedList(CORE_COUNTED_WORDING("CoreMessages", "%n files matched no image or font sheet: %1"), "%n file matched no image or font sheet: %1", names);
}

} // namespace

FolderListing listPicturesFolder(const std::string &folder)
{
    if (!FileOps::isFolder(folder))
        throw GameFileError(folder, FileOps::exists(folder) ? CORE_WORDING("CoreMessages", "is not a folder") : CORE_WORDING("CoreMessages", "folder not found"));
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
            listing.skipped.emplace_back(name, CORE_WORDING("CoreMessages", "a folder"));
        else if (FileOps::exists(path))
            listing.skipped.emplace_back(name, CORE_WORDING("CoreMessages", "not a regular file"));
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
            plan.clashes.emplace_back(match.name, Message::joined(Message(picture.first ? CORE_WORDING("CoreMessages", "these files all name the same font sheet: %1") : CORE_WORDING("CoreMessages", "these files all name the same image: %1")).nested(Message::list(names, 10)),
                                                                  CORE_WORDING("CoreMessages", "rename or remove all but one")));
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
        if (const Message *reason = std::get_if<Message>(&decoded[k])) {
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
        decoded[k] = Message(); // the pixels now belong to the catalogue or the step, or go
    }
    std::stable_sort(summary.refused.begin(), summary.refused.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    return summary;
}

FolderImportSummary runFolderImport(Catalogue &c, const FolderImportPlan &plan, const PictureReader &reader,
                                    const std::function<void(int done, int total)> &progress, bool dryRun)
{
    // Every file is read before any picture changes, so a refusal never leaves half an import.
    return replaceFromFolder(c, plan, decodeFolderImport(plan, reader, progress), nullptr, dryRun);
}

Message FolderImportSummary::message(const std::string &source) const
{
    // The command line's dry run alone says "would": its wordings are not the window's.
    Message said;
    if (imported.empty() && source.empty())
        said = dryRun ? "No picture would be imported." : CORE_WORDING("CoreMessages", "No picture was imported.");
    else if (imported.empty())
        said = Message(dryRun ? "No picture would be imported from %1." : CORE_WORDING("CoreMessages", "No picture was imported from %1.")).name(source);
    else if (source.empty())
        said = Message(dryRun ? "Would import %n pictures." : CORE_COUNTED_WORDING("CoreMessages", "Imported %n pictures."))
                   .count(static_cast<long long>(imported.size()), dryRun ? "Would import %n picture." : "Imported %n picture.");
    else
        said = Message(dryRun ? "Would import %n pictures from %1." : CORE_COUNTED_WORDING("CoreMessages", "Imported %n pictures from %1."))
                   .name(source)
                   .count(static_cast<long long>(imported.size()), dryRun ? "Would import %n picture from %1." : "Imported %n picture from %1.");
    const auto line = [&said](Message next) { said = Message(CORE_WORDING("CoreMessages", "%1\n%2")).nested(std::move(said)).nested(std::move(next)); };
    if (!identical.empty())
        line(countedList(CORE_COUNTED_WORDING("CoreMessages", "%n files were the same as the picture already there: %1"), "%n file was the same as the picture already there: %1", identical));
    if (!refused.empty()) {
        line(Message(CORE_COUNTED_WORDING("CoreMessages", "%n files were refused:")).count(static_cast<long long>(refused.size()), "%n file was refused:"));
        const std::size_t shown = std::min<std::size_t>(refused.size(), 10);
        for (std::size_t k = 0; k < shown; ++k)
            line(Message::about(refused[k].first, refused[k].second));
        if (refused.size() > shown)
            line(Message(CORE_COUNTED_WORDING("CoreMessages", "\u2026 and %n more")).count(static_cast<long long>(refused.size() - shown), "\u2026 and %n more"));
    }
    if (!unmatched.empty())
        line(nothingMatched(kinds, unmatched));
    if (!skipped.empty()) {
        std::vector<Message> named;
        for (const auto &[name, what] : skipped)
            named.push_back(Message(CORE_WORDING("CoreMessages", "%1 (%2)")).name(name).nested(what));
        line(Message(CORE_COUNTED_WORDING("CoreMessages", "%n entries were skipped, as they are no files: %1")).nested(Message::list(named, 10)).count(static_cast<long long>(skipped.size()), "%n entry was skipped, as it is no file: %1"));
    }
    return said;
}
