#include "untrusted_file.h"

#include "file_ops.h"
#include "game_file_error.h"
#include "platform_files.h"

namespace UntrustedFile {

bool isLinkOrFile(const std::string &path)
{
    PlatformFiles::Info info;
    return PlatformFiles::linkInfoOf(path, info) == 0 && (info.link || !info.folder);
}

std::vector<std::uint8_t> read(const std::string &path, std::uint64_t maxBytes)
{
    PlatformFiles::Info info;
    if (PlatformFiles::linkInfoOf(path, info) != 0)
        throw GameFileError(path, FailureText::NotFound);
    if (info.link)
        throw GameFileError(path, "is a link, which Tessary does not follow");
    if (info.folder)
        throw GameFileError(path, FailureText::IsFolder);
    if (!info.regular)
        throw GameFileError(path, FailureText::NotRegular);
    if (info.size > maxBytes)
        throw GameFileError(path, "holds " + std::to_string(info.size) + " bytes, more than such a file ever holds");
    return FileOps::readWhole(path);
}

} // namespace UntrustedFile
