#pragma once

#include <functional>
#include <string>
#include <vector>

#include "catalogue.h"
#include "picture_import.h"

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
    std::vector<std::pair<std::string, std::string>> clashes; // a name and the reason it was left out
};

// What a folder import did (or, on a dry run, would do).
struct FolderImportSummary {
    PictureKinds kinds = PictureKinds::Images;
    std::vector<std::string> imported;  // names whose picture replaced one of the catalogue's
    std::vector<std::string> identical; // names whose picture was the one already there
    std::vector<std::pair<std::string, std::string>> refused; // a name and why it was refused
    std::vector<std::string> unmatched; // names that matched no picture
    std::vector<int> images;            // the images replaced
    std::vector<int> fonts;             // the font sheets replaced
    bool dryRun = false;                // nothing was replaced: the summary says what would be

    // The summary for the user: how many were imported from source, which were identical,
    // which refused and why (one line each), which matched nothing. Lists past 10 are shortened.
    std::string text(const std::string &source) const;
};

// The regular files of a folder (not its subfolders, not hidden files), as full paths sorted by
// name. Throws GameFileError when the folder can't be read.
std::vector<std::string> picturesFolderFiles(const std::string &folder);

// Matches files to the pictures of catalogue: images by number ("001.tga", "1.png"), font
// sheets by their file name ("New_Font1000.gpf.tga", "New_Font1000.png"). Files that match
// nothing are listed, not refused; two files naming the same picture are both left out.
FolderImportPlan planFolderImport(const std::vector<std::string> &files, const Catalogue &catalogue, PictureKinds kinds);

// Decodes every matched file before anything changes; then every picture that decoded
// replaces the catalogue's (unless dryRun). progress(done, total) is called before each file is
// decoded and once more at the end.
FolderImportSummary runFolderImport(Catalogue &catalogue, const FolderImportPlan &plan, const PictureReader &reader,
                                    const std::function<void(int done, int total)> &progress = {}, bool dryRun = false);
