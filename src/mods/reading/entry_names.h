#pragma once

#include <set>
#include <string>

#include "message.h"

// The names of the files in an archive or a mod folder, checked as untrusted input before
// anything is read by them: each name is made plain ('/' between folders, no "." parts) and
// refused when it climbs out (".."), is absolute, names a drive, is not valid text, holds a
// control character, or names the same file as another (letter case aside, as on Windows).
class EntryNames {
public:
    // source names the archive or folder in messages.
    explicit EntryNames(std::string source) : m_source(std::move(source)) {}

    // The plain form of an entry's name; empty for a folder entry that names the top itself.
    // Throws GameFileError naming the source and the entry.
    std::string accept(const std::string &raw, bool folder);
    // Throws the GameFileError for an entry refused for what it is (a link, a device): wording
    // has the entry's name as %1 in quotes, and the arguments added to it follow as %2, ...
    [[noreturn]] void refuse(const std::string &raw, const char *wording) const;
    [[noreturn]] void refuse(Message reason) const;
    // wording with the entry's name as its first argument.
    static Message named(const char *wording, const std::string &raw);

    // How a name is shown in a message: bytes that are not text as \xNN.
    static std::string shown(const std::string &raw);

private:
    std::string m_source;
    std::set<std::string> m_files;   // plain names, letters folded
    std::set<std::string> m_folders; // every folder named or implied, letters folded
};
