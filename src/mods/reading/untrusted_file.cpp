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
    return readOpened(path, maxBytes, [&path](std::uint64_t size) {
        throw GameFileError(path, "holds " + std::to_string(size) + " bytes, more than such a file ever holds");
    });
}

std::vector<std::uint8_t> readOpened(const std::string &path, std::uint64_t maxBytes, const std::function<void(std::uint64_t)> &tooLarge)
{
    // Opened without following a link, and checked as opened: what was looked at before may
    // have been swapped for a link or a larger file since.
    FileOps::InputFile file(path, FileOps::InputFile::Links::Refuse);
    if (file.length() > maxBytes) {
        tooLarge(file.length());
        throw GameFileError(path, "holds " + std::to_string(file.length()) + " bytes, more than such a file ever holds");
    }
    std::vector<std::uint8_t> bytes(std::size_t(file.length()));
    if (!bytes.empty())
        file.read(bytes.data(), bytes.size());
    file.close();
    return bytes;
}

} // namespace UntrustedFile
