#pragma once

#include "mod_contents.h"

// The readers of each kind of mod, behind ModContentsReader. Each fills contents.pictures and
// contents.notes, or throws GameFileError naming contents.source.
namespace ModContentsKinds {

void readPackage(ModContents &contents, const std::vector<ArchiveEntry> &files, const Catalogue &catalogue, const PictureCodec &codec);
// True when the files hold game files (Gp2001.gph, images/<n>.gpi, fonts/<font>.gpf) anywhere.
bool holdsGameLayout(const std::vector<ArchiveEntry> &files);
void readGameLayout(ModContents &contents, const std::vector<ArchiveEntry> &files, const Catalogue &catalogue);
void readPictures(ModContents &contents, const std::vector<ArchiveEntry> &files, const Catalogue &catalogue, const PictureCodec &codec);

// The last part of a '/' name.
std::string fileNameOf(const std::string &name);
// A note listing names, at most ten of them, in place of wording's %1.
Message listNote(const char *wording, const std::vector<std::string> &names);

} // namespace ModContentsKinds
