#pragma once

#include <functional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "catalogue.h"
#include "picture_import.h"

class PictureStep;

// Which pictures a folder import may replace.
enum class PictureKinds { Images, Fonts, Both };

// The picture files of an import matched to the pictures they replace, by name alone.
struct FolderImportPlan {
    struct Match {
        std::string path;   // the file
        std::string name;   // its name, for messages
        bool font = false;  // a font sheet (else a menu image)
        int number = 0;     // the image or font number
    };
    PictureKinds kinds = PictureKinds::Images;
    std::vector<Match> matches;
    std::vector<std::string> unmatched;               // names of files that name no picture
    std::vector<std::pair<std::string, Message>> clashes; // a name and the reason it was left out
    std::vector<std::pair<std::string, Message>> skipped; // a name in the folder that is no file, and what it is
};

// What a folder import did (or, on a dry run, would do).
struct FolderImportSummary {
    PictureKinds kinds = PictureKinds::Images;
    std::vector<std::string> imported;  // names whose picture replaced one of the catalogue's
    std::vector<std::string> identical; // names whose picture was the one already there
    std::vector<std::pair<std::string, Message>> refused; // a name and why it was refused
    std::vector<std::string> unmatched; // names that matched no picture
    std::vector<std::pair<std::string, Message>> skipped; // names that are no files, and what they are
    std::vector<int> images;            // the images replaced
    std::vector<int> fonts;             // the font sheets replaced
    bool dryRun = false;                // nothing was replaced: the summary says what would be

    // The summary for the user: how many were imported from source, which were identical,
    // which refused and why (one line each), which matched nothing, which were skipped as no
    // files. Lists past 10 are shortened.
    Message message(const std::string &source) const;
    std::string text(const std::string &source) const { return message(source).english(); }
};

// What a folder holds for an import: its regular files as full paths sorted by name, and the
// names of what is no regular file (a subfolder, a pipe, a device) with what it is. Hidden
// names (starting with ".") are left out. Throws GameFileError when the folder can't be read.
struct FolderListing {
    std::vector<std::string> files;
    std::vector<std::pair<std::string, Message>> skipped;
};
FolderListing listPicturesFolder(const std::string &folder);
// The regular files of a folder alone, as listPicturesFolder finds them.
std::vector<std::string> picturesFolderFiles(const std::string &folder);

// Matches files to the pictures of catalogue: images by number ("001.tga", "1.png"), font
// sheets by their file name ("New_Font1000.gpf.tga", "New_Font1000.png"). Files that match
// nothing are listed, not refused; two files naming the same picture are both left out.
FolderImportPlan planFolderImport(const std::vector<std::string> &files, const Catalogue &catalogue, PictureKinds kinds);
// The same for a folder's listing, whose skipped names the summary will name.
FolderImportPlan planFolderImport(const FolderListing &listing, const Catalogue &catalogue, PictureKinds kinds);

// A matched file read: its picture, or why it was refused.
using DecodedPicture = std::variant<DecodedImage, FontSheet, Message>;

// Decodes every matched file, in the plan's order, calling progress(done, total) before each and
// once more at the end. It reads no catalogue, so it may run beside a window that shows one.
std::vector<DecodedPicture> decodeFolderImport(const FolderImportPlan &plan, const PictureReader &reader,
                                               const std::function<void(int done, int total)> &progress = {});
// Puts the decoded pictures in place of the catalogue's (unless dryRun) and sums up. Given a
// step, the replacements go through it, so that the whole import can be undone at once.
FolderImportSummary replaceFromFolder(Catalogue &catalogue, const FolderImportPlan &plan, std::vector<DecodedPicture> decoded,
                                      PictureStep *step = nullptr, bool dryRun = false);

// Decodes every matched file before anything changes (decodeFolderImport); then every picture
// that decoded replaces the catalogue's (replaceFromFolder).
FolderImportSummary runFolderImport(Catalogue &catalogue, const FolderImportPlan &plan, const PictureReader &reader,
                                    const std::function<void(int done, int total)> &progress = {}, bool dryRun = false);
