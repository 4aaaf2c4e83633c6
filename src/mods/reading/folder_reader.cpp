#include "folder_reader.h"

#include <algorithm>

#include "entry_names.h"
#include "file_ops.h"
#include "game_file_error.h"
#include "game_paths.h"
#include "platform_files.h"
#include "untrusted_file.h"

namespace {

constexpr int MaxDepth = 16;

class Walk {
public:
    Walk(const std::string &folder, const ArchiveLimits &limits) : m_limits(limits), m_names(folder) {}

    void into(const std::string &folder, const std::string &relative, int depth, std::vector<ArchiveEntry> &files)
    {
        std::vector<std::string> names = FileOps::namesIn(folder);
        std::sort(names.begin(), names.end());
        for (const std::string &name : names) {
            const std::string path = GamePaths::inFolder(folder, name);
            const std::string raw = relative.empty() ? name : relative + "/" + name;
            if (++m_count > m_limits.entries)
                throw GameFileError(path, Message(CORE_WORDING("CoreMessages", "the folder holds more than %1 files and folders")).number(static_cast<long long>(m_limits.entries)));
            PlatformFiles::Info info;
            if (PlatformFiles::linkInfoOf(path, info) != 0)
                throw GameFileError(path, FailureText::NotFound);
            if (info.link)
                m_names.refuse(raw, CORE_WORDING("CoreMessages", "\"%1\" is a link, which Tessary does not follow"));
            if (info.folder) {
                m_names.accept(raw, true);
                if (depth >= MaxDepth)
                    m_names.refuse(EntryNames::named(CORE_WORDING("CoreMessages", "\"%1\" lies more than %2 folders deep"), raw).number(MaxDepth));
                into(path, raw, depth + 1, files);
                continue;
            }
            if (!info.regular)
                m_names.refuse(raw, CORE_WORDING("CoreMessages", "\"%1\" is a device or another special file, not a file"));
            const std::string plain = m_names.accept(raw, false);
            const auto tooLarge = [&](std::uint64_t) {
                m_names.refuse(EntryNames::named(CORE_WORDING("CoreMessages", "\"%1\" would take the mod past %2 MB, more than any menu mod holds"), raw)
                                   .number(static_cast<long long>(m_limits.totalBytes >> 20)));
            };
            if (info.size > m_limits.totalBytes - m_total)
                tooLarge(info.size);
            std::vector<std::uint8_t> bytes = UntrustedFile::readOpened(path, m_limits.totalBytes - m_total, tooLarge);
            m_total += bytes.size();
            files.push_back({plain, std::move(bytes)});
        }
    }

private:
    ArchiveLimits m_limits;
    EntryNames m_names;
    std::size_t m_count = 0;
    std::uint64_t m_total = 0;
};

} // namespace

namespace FolderReader {

std::vector<ArchiveEntry> read(const std::string &folder, const ArchiveLimits &limits)
{
    if (!FileOps::isFolder(folder))
        throw GameFileError(folder, FileOps::exists(folder) ? CORE_WORDING("CoreMessages", "is not a folder") : CORE_WORDING("CoreMessages", "folder not found"));
    std::vector<ArchiveEntry> files;
    Walk(folder, limits).into(folder, std::string(), 0, files);
    return files;
}

} // namespace FolderReader
