#include "untrusted_file.h"

#include "file_ops.h"
#include "game_file_error.h"
#include "platform_files.h"

namespace {

Message tooLargeReason(std::uint64_t size)
{
    return Message(CORE_WORDING("CoreMessages", "holds %1 bytes, more than such a file ever holds")).number(static_cast<long long>(size));
}

} // namespace

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
        throw GameFileError(path, CORE_WORDING("CoreMessages", "is a link, which Tessary does not follow"));
    if (info.folder)
        throw GameFileError(path, FailureText::IsFolder);
    if (!info.regular)
        throw GameFileError(path, FailureText::NotRegular);
    return readOpened(path, maxBytes, [&path](std::uint64_t size) {
        throw GameFileError(path, tooLargeReason(size));
    });
}

std::vector<std::uint8_t> readOpened(const std::string &path, std::uint64_t maxBytes, const std::function<void(std::uint64_t)> &tooLarge)
{
    // Opened without following a link, and checked as opened: what was looked at before may
    // have been swapped for a link or a larger file since.
    FileOps::InputFile file(path, FileOps::InputFile::Links::Refuse);
    if (file.length() > maxBytes) {
        tooLarge(file.length());
        throw GameFileError(path, tooLargeReason(file.length()));
    }
    std::vector<std::uint8_t> bytes(std::size_t(file.length()));
    if (!bytes.empty())
        file.read(bytes.data(), bytes.size());
    file.close();
    return bytes;
}

} // namespace UntrustedFile
