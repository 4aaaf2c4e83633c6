#pragma once

#include <string>
#include <vector>

#include "archive_entry_list.h"

// Reads a mod shared as a folder, as untrusted input: every file below it, with the names and
// limits of an archive. Links are refused, never followed; so are devices and pipes.
namespace FolderReader {

// The files below folder, named relative to it; throws GameFileError naming the folder and the file.
std::vector<ArchiveEntry> read(const std::string &folder, const ArchiveLimits &limits = {});

} // namespace FolderReader
