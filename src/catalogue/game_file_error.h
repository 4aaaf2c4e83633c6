#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

// The one error type of the game-data core: which file failed and why, in words a user can act on.
class GameFileError : public std::runtime_error {
public:
    GameFileError(std::string path, std::string reason);

    // The file the failure belongs to, as the program named it.
    const std::string &path() const { return m_path; }
    // The system's text for the failure ("file not found", "access denied", ...).
    const std::string &reason() const { return m_reason; }

private:
    std::string m_path;
    std::string m_reason;
};

// Standard texts for the failures users meet most.
namespace FailureText {
inline constexpr const char *NotFound = "file not found";
inline constexpr const char *AccessDenied = "access denied";
inline constexpr const char *BeyondEnd = "reading beyond the end of the file";
inline constexpr const char *DiskFull = "disk full";
inline constexpr const char *ReadOnlyFileSystem = "the file system is read-only";
inline constexpr const char *IsFolder = "is a folder, not a file";
inline constexpr const char *NotRegular = "is not a regular file (a pipe or a device)";
inline constexpr const char *IsLink = "is a symbolic link, which Tessary does not follow";
inline constexpr const char *TooLong = "the path is too long";
inline constexpr const char *InUse = "the file is in use by another program";
inline constexpr const char *NothingChanged = "nothing was changed";
}

// Text taken from a file (a name in a record, an archive entry) made fit to quote in a message:
// control characters and bytes that are not UTF-8 are shown as \xNN, and a text longer than
// limit characters keeps its beginning and end around an ellipsis.
std::string quotedForMessage(std::string_view text, std::size_t limit = 200);
