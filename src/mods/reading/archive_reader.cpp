#include "archive_reader.h"

#include <archive.h>
#include <archive_entry.h>

#include <algorithm>
#include <functional>
#include <memory>

#include "entry_names.h"
#include "file_ops.h"
#include "game_file_error.h"
#include "utf8_text.h"
#include "windows_path.h"
#include "zip_directory.h"

#ifndef _WIN32
#include <clocale>
#include <locale.h>
#endif

namespace {

// Compressed input is handed to libarchive in blocks of this size, so that the bytes it has
// taken tell how far each entry has come.
constexpr std::size_t ReadBlock = 16 * 1024;
constexpr std::size_t ChunkSize = 256 * 1024;
// The most set aside for an entry before its bytes are read.
constexpr std::size_t UpfrontBytes = std::size_t(16) << 20;

using ArchivePtr = std::unique_ptr<archive, int (*)(archive *)>;

#ifndef _WIN32
// libarchive turns names into text by the thread's locale; UTF-8 keeps every name that is text
// (in the "C" locale a UTF-8 name would be lost), whatever locale the program was started in.
class Utf8Locale {
public:
    Utf8Locale() : m_locale(newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t(nullptr)))
    {
        if (m_locale)
            m_previous = uselocale(m_locale);
    }
    ~Utf8Locale()
    {
        if (m_locale) {
            uselocale(m_previous);
            freelocale(m_locale);
        }
    }
    Utf8Locale(const Utf8Locale &) = delete;
    Utf8Locale &operator=(const Utf8Locale &) = delete;

private:
    locale_t m_locale;
    locale_t m_previous = locale_t(nullptr);
};
#else
// On Windows libarchive keeps names wide, and rawName reads them so.
class Utf8Locale {
public:
    Utf8Locale() {}
    ~Utf8Locale() {}
};
#endif

ArchivePtr openReader(const std::string &source)
{
    ArchivePtr reader(archive_read_new(), archive_read_free);
    if (!reader)
        throw std::bad_alloc();
    // Only formats and filters built into the library: none that runs another program or reads
    // files beside the archive (as mtree could).
    archive *a = reader.get();
    // A zip through its central directory (ZipDirectory has checked it is whole), never by
    // walking its entries' own headers, which a cut or crafted archive can make tell another story.
    archive_read_support_format_zip_seekable(a);
    archive_read_support_format_7zip(a);
    archive_read_support_format_rar(a);
    archive_read_support_format_rar5(a);
    archive_read_support_format_tar(a);
    for (int (*filter)(archive *) : {archive_read_support_filter_gzip, archive_read_support_filter_bzip2,
                                     archive_read_support_filter_xz, archive_read_support_filter_lzma})
        if (filter(a) != ARCHIVE_OK)
            throw GameFileError(source, "this build of Tessary can't expand archives compressed as this one is");
    return reader;
}

// What libarchive says went wrong, as " (its words)"; "" when it says nothing.
std::string problem(archive *a)
{
    const char *text = archive_error_string(a);
    return text && *text ? " (" + std::string(text) + ")" : std::string();
}

// The entry's name: as text (UTF-8) when the archive says what its names are, else its bytes,
// which must then be UTF-8 themselves. On Windows libarchive reads names without a charset in
// the system's code page, as Windows archivers write them, and keeps every name wide; its UTF-8
// and narrow forms go through the ANSI code page there, which has no Ł, Ř, Ω or Ж, so the
// wide form is read first.
std::string rawName(archive_entry *entry)
{
#ifdef _WIN32
    if (const wchar_t *wide = archive_entry_pathname_w(entry))
        return WindowsPath::narrow(wide);
#endif
    if (const char *text = archive_entry_pathname_utf8(entry))
        return text;
    const char *bytes = archive_entry_pathname(entry);
    return bytes ? std::string(bytes) : std::string();
}

class Reading {
public:
    Reading(const std::string &source, const ArchiveLimits &limits) : m_source(source), m_limits(limits), m_names(source) {}

    // Hands each file to take, in the order they lie in the archive; those wanted says no to are
    // passed over unexpanded. take may keep the bytes; else their room is used for the next file.
    void run(const std::uint8_t *data, std::size_t size, const ArchiveReader::Wanted &wanted, const ArchiveReader::Take &take)
    {
        if (size > m_limits.archiveBytes)
            throw GameFileError(m_source, "the archive holds " + std::to_string(size) + " bytes, more than Tessary reads ("
                                              + std::to_string(m_limits.archiveBytes) + ")");
        ZipDirectory::check(m_source, data, size);
        const Utf8Locale locale;
        ArchivePtr reader = openReader(m_source);
        archive *a = reader.get();
        if (archive_read_open_memory2(a, data, size, ReadBlock) != ARCHIVE_OK)
            throw GameFileError(m_source, "is not an archive Tessary can read, or it is cut off or damaged" + problem(a));
        ArchiveEntry file;
        std::size_t count = 0;
        std::int64_t entryEnd = 0; // where the last entry ended in the expanded stream
        for (;;) {
            archive_entry *entry = nullptr;
            const int status = archive_read_next_header(a, &entry);
            if (status == ARCHIVE_EOF) {
                requireTarEnd(a, entryEnd);
                break;
            }
            std::string raw = entry ? rawName(entry) : std::string();
            // A zip entry without the UTF-8 flag whose name is not UTF-8 comes from an older
            // Windows zipper, which wrote names in code page 437.
            if (entry && (archive_format(a) & ARCHIVE_FORMAT_BASE_MASK) == ARCHIVE_FORMAT_ZIP && !Utf8Text::isValid(raw))
                raw = Utf8Text::fromCp437(raw);
            if (status < ARCHIVE_WARN)
                throw GameFileError(m_source, "the archive is damaged" + (raw.empty() ? std::string() : " at \"" + EntryNames::shown(raw) + "\"")
                                                  + problem(a));
            if (++count > m_limits.entries)
                throw GameFileError(m_source, "the archive holds more than " + std::to_string(m_limits.entries) + " entries");
            if (archive_entry_is_encrypted(entry))
                m_names.refuse(raw, "is encrypted, which Tessary can't read");
            if (archive_entry_hardlink(entry) || archive_entry_symlink(entry))
                m_names.refuse(raw, "is a link, which Tessary does not follow");
            const auto type = archive_entry_filetype(entry);
            if (type != AE_IFREG && type != AE_IFDIR)
                m_names.refuse(raw, "is a device or another special file, not a file");
            const std::string name = m_names.accept(raw, type == AE_IFDIR);
            if (type == AE_IFDIR) {
                entryEnd = archive_filter_bytes(a, 0);
                continue;
            }
            if (wanted && !wanted(name)) {
                if (archive_read_data_skip(a) != ARCHIVE_OK)
                    damaged(a, raw);
            } else {
                file.name = name;
                body(a, raw, entry, file.bytes);
                take(file);
            }
            entryEnd = archive_filter_bytes(a, 0);
        }
    }

private:
    void body(archive *a, const std::string &raw, archive_entry *entry, std::vector<std::uint8_t> &bytes)
    {
        const std::uint64_t room = m_limits.totalBytes - m_total;
        const bool declared = archive_entry_size_is_set(entry) && archive_entry_size(entry) > 0;
        if (declared && std::uint64_t(archive_entry_size(entry)) > room)
            tooLarge(raw);
        // Read in place into what the entry says it holds; an entry that holds more grows. What
        // is set aside before the bytes arrive is bounded: a zip bomb's claim alone takes nothing.
        const std::size_t expected = declared ? std::size_t(archive_entry_size(entry)) : 0;
        bytes.clear();
        bytes.resize(std::min(expected, UpfrontBytes));
        std::size_t at = 0;
        const std::int64_t startedAt = archive_filter_bytes(a, -1);
        for (;;) {
            if (declared && at == expected) {
                // Whole as declared: one byte more means it lied about its size.
                std::uint8_t probe[1];
                const la_ssize_t more = archive_read_data(a, probe, 1);
                if (more < 0)
                    damaged(a, raw);
                if (more == 0) {
                    bytes.resize(at);
                    return;
                }
                bytes.resize(at);
                bytes.push_back(probe[0]);
                ++at;
                added(a, raw, 1, bytes.size(), startedAt);
            }
            if (at == bytes.size())
                bytes.resize(at < expected ? std::min(expected, 2 * at + ChunkSize) : at + ChunkSize);
            const la_ssize_t got = archive_read_data(a, bytes.data() + at, bytes.size() - at);
            if (got < 0)
                damaged(a, raw);
            at += std::size_t(got);
            if (got == 0) {
                bytes.resize(at);
                return;
            }
            added(a, raw, std::uint64_t(got), at, startedAt);
        }
    }

    // Counts bytes an entry expanded to against the limits.
    void added(archive *a, const std::string &raw, std::uint64_t count, std::size_t entryBytes, std::int64_t startedAt)
    {
        m_total += count;
        if (m_total > m_limits.totalBytes)
            tooLarge(raw);
        const auto taken = std::uint64_t(std::max<std::int64_t>(archive_filter_bytes(a, -1) - startedAt, 0)) + ReadBlock;
        if (entryBytes > m_limits.ratioFrom && entryBytes / taken >= m_limits.ratio)
            m_names.refuse(raw, "expands more than " + std::to_string(m_limits.ratio)
                                    + " times over what it takes in the archive, as a zip bomb does");
    }

    // A tar ends in blocks of zeros; one that stops right after an entry was cut off (a
    // download not finished), though every entry in it is whole.
    void requireTarEnd(archive *a, std::int64_t entryEnd) const
    {
        if ((archive_format(a) & ARCHIVE_FORMAT_BASE_MASK) != ARCHIVE_FORMAT_TAR)
            return;
        if (archive_filter_bytes(a, 0) - entryEnd < 512)
            throw GameFileError(m_source, "the archive is cut off: it ends without the end a tar archive has (a download not finished?)");
    }

    [[noreturn]] void damaged(archive *a, const std::string &raw)
    {
        throw GameFileError(m_source, "the archive is damaged at \"" + EntryNames::shown(raw) + "\"" + problem(a));
    }

    [[noreturn]] void tooLarge(const std::string &raw)
    {
        m_names.refuse(raw, "would make the archive expand past " + std::to_string(m_limits.totalBytes >> 20)
                                + " MB, more than any menu mod holds (a zip bomb?)");
    }

    std::string m_source;
    ArchiveLimits m_limits;
    EntryNames m_names;
    std::uint64_t m_total = 0;
};

bool endsWith(const std::string &text, const std::string &tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

} // namespace

namespace ArchiveReader {

std::vector<ArchiveEntry> read(const std::string &source, const std::uint8_t *data, std::size_t size, const ArchiveLimits &limits)
{
    std::vector<ArchiveEntry> files;
    Reading(source, limits).run(data, size, {}, [&files](ArchiveEntry &file) { files.push_back(std::move(file)); });
    return files;
}

void forEach(const std::string &source, const std::uint8_t *data, std::size_t size, const Wanted &wanted, const Take &take,
             const ArchiveLimits &limits)
{
    Reading(source, limits).run(data, size, wanted, take);
}

std::vector<ArchiveEntry> readFile(const std::string &path, const ArchiveLimits &limits)
{
    const FileOps::FileStamp stamp = FileOps::stampOf(path);
    if (stamp.exists && stamp.size > limits.archiveBytes)
        throw GameFileError(path, "the archive holds " + std::to_string(stamp.size) + " bytes, more than Tessary reads ("
                                      + std::to_string(limits.archiveBytes) + ")");
    const std::vector<std::uint8_t> bytes = FileOps::readWhole(path);
    return read(path, bytes.data(), bytes.size(), limits);
}

bool hasArchiveName(const std::string &fileName)
{
    const std::string name = Utf8Text::foldedCase(fileName);
    for (const char *tail : {".zip", ".7z", ".rar", ".tar", ".tar.gz", ".tgz", ".tar.bz2", ".tbz2", ".tbz", ".tar.xz", ".txz",
                             ".tar.lzma", ".tlz"})
        if (endsWith(name, tail))
            return true;
    return false;
}

} // namespace ArchiveReader
