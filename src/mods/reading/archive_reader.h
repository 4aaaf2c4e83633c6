#pragma once

#include <functional>
#include <string>
#include <vector>

#include "archive_entry_list.h"

// Reads .zip, .7z, .rar and .tar archives (plain, or .gz, .bz2, .xz, .lzma) through libarchive,
// as untrusted input. Refused, each with a GameFileError naming the archive and the entry:
// names that climb out, are absolute, name a drive or are not text; names that appear twice;
// links, devices and other special files; encrypted entries; an archive, or an entry, that
// expands past the limits; anything damaged. Folders are checked and left out of the result.
namespace ArchiveReader {

// The files of an archive held in memory; source names it in messages.
std::vector<ArchiveEntry> read(const std::string &source, const std::uint8_t *data, std::size_t size,
                               const ArchiveLimits &limits = {});
// Whether a file of an archive, by its name, is to be expanded; and what takes one that is.
using Wanted = std::function<bool(const std::string &name)>;
using Take = std::function<void(ArchiveEntry &file)>;
// As read(), but each file is handed to take in the order they lie in the archive, so that one
// file at a time is held; a file wanted says no to is passed over unexpanded. take may keep the
// bytes (moving them out); those it leaves are written over by the next file's.
void forEach(const std::string &source, const std::uint8_t *data, std::size_t size, const Wanted &wanted, const Take &take,
             const ArchiveLimits &limits = {});
// The files of an archive file.
std::vector<ArchiveEntry> readFile(const std::string &path, const ArchiveLimits &limits = {});
// True when a file name ends as an archive Tessary reads does (".zip", ".7z", ".tar.xz", ...).
bool hasArchiveName(const std::string &fileName);

} // namespace ArchiveReader
