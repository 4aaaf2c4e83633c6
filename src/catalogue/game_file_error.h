#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

#include "message.h"

// The one error type of the game-data core: which file failed and why, in words a user can act on.
class GameFileError : public std::runtime_error {
public:
    GameFileError(std::string path, Message reason);

    // The file the failure belongs to, as the program named it.
    const std::string &path() const { return m_path; }
    // Why it failed ("file not found", "access denied", ...), and the same in English.
    const Message &why() const { return m_reason; }
    std::string reason() const { return m_reason.english(); }
    // "<file>: <reason>", as what() says it in English.
    Message message() const { return Message::about(m_path, m_reason); }

private:
    std::string m_path;
    Message m_reason;
};

// Standard texts for the failures users meet most.
namespace FailureText {
inline constexpr const char *NotFound = CORE_WORDING("CoreMessages", "file not found");
inline constexpr const char *AccessDenied = CORE_WORDING("CoreMessages", "access denied");
inline constexpr const char *BeyondEnd = CORE_WORDING("CoreMessages", "reading beyond the end of the file");
inline constexpr const char *DiskFull = CORE_WORDING("CoreMessages", "disk full");
inline constexpr const char *ReadOnlyFileSystem = CORE_WORDING("CoreMessages", "the file system is read-only");
inline constexpr const char *IsFolder = CORE_WORDING("CoreMessages", "is a folder, not a file");
inline constexpr const char *NotRegular = CORE_WORDING("CoreMessages", "is not a regular file (a pipe or a device)");
inline constexpr const char *IsLink = CORE_WORDING("CoreMessages", "is a symbolic link, which Tessary does not follow");
inline constexpr const char *TooLong = CORE_WORDING("CoreMessages", "the path is too long");
inline constexpr const char *InUse = CORE_WORDING("CoreMessages", "the file is in use by another program");
inline constexpr const char *NothingChanged = CORE_WORDING("CoreMessages", "nothing was changed");
}

// Text taken from a file (a name in a record, an archive entry) made fit to quote in a message:
// control characters and bytes that are not UTF-8 are shown as \xNN, and a text longer than
// limit characters keeps its beginning and end around an ellipsis.
std::string quotedForMessage(std::string_view text, std::size_t limit = 200);
