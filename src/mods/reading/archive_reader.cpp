#include "archive_reader.h"

#include <archive.h>
#include <archive_entry.h>

#include <algorithm>
#include <cerrno>
#include <functional>
#include <initializer_list>
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
            throw GameFileError(source, CORE_WORDING("CoreMessages", "this build of Tessary can't expand archives compressed as this one is"));
    return reader;
}

// Where reading an archive failed.
enum class Stage { Open, Header, Data };

bool says(const std::string &text, std::initializer_list<const char *> words)
{
    return std::any_of(words.begin(), words.end(), [&](const char *word) { return text.find(word) != std::string::npos; });
}

// The code libarchive gives a format it does not know (its ARCHIVE_ERRNO_FILE_FORMAT, which its
// public header leaves to the platform).
#ifdef EFTYPE
constexpr int FileFormatErrno = EFTYPE;
#else
constexpr int FileFormatErrno = EILSEQ;
#endif

// Why libarchive gave up, in Tessary's words, with its own words quoted after them. libarchive
// has error codes for a format it does not know and for memory, and otherwise only words, so
// an encrypted entry, a CRC error and data cut short are told by what its readers say.
Message trouble(archive *a, Stage stage, const std::string &raw, archive_entry *entry)
{
    const char *said = archive_error_string(a);
    std::string text = said ? said : "";
    std::string lower = text;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return char(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    const int code = archive_errno(a);
    const bool encrypted = (entry && archive_entry_is_encrypted(entry)) || says(lower, {"encrypt", "passphrase", "password"});
    bool named = !raw.empty();
    const char *wording = nullptr;
    if (code == ENOMEM) {
        wording = CORE_WORDING("CoreMessages", "there is not enough memory to expand the archive (%1)");
        named = false;
    } else if (encrypted) {
        wording = named ? CORE_WORDING("CoreMessages", "\"%1\" is encrypted, which Tessary can't read (%2)")
                        : CORE_WORDING("CoreMessages", "the archive is encrypted, which Tessary can't read (%1)");
    } else if (says(lower, {"crc", "checksum"})) {
        wording = named ? CORE_WORDING("CoreMessages", "\"%1\" fails its CRC check, so the archive is damaged (%2)")
                        : CORE_WORDING("CoreMessages", "the archive fails a CRC check, so it is damaged (%1)");
    } else if (says(lower, {"truncat", "premature end", "unexpected end", "end of file"})) {
        wording = named ? CORE_WORDING("CoreMessages", "the archive is cut off at \"%1\", as a download not finished is (%2)")
                        : CORE_WORDING("CoreMessages", "the archive is cut off, as a download not finished is (%1)");
    } else if (says(lower, {"unsupported", "not supported"})) {
        wording = named ? CORE_WORDING("CoreMessages", "\"%1\" is compressed in a way Tessary can't expand (%2)")
                        : CORE_WORDING("CoreMessages", "the archive is compressed in a way Tessary can't expand (%1)");
    } else if (stage == Stage::Open && (code == FileFormatErrno || says(lower, {"unrecognized"}))) {
        // Before any entry was read: libarchive found no format it knows in these bytes.
        wording = CORE_WORDING("CoreMessages", "is not an archive Tessary can read (%1)");
        named = false;
    } else if (stage == Stage::Open && text.empty()) {
        // A compressed stream that broke off while libarchive looked for the archive in it: it
        // says nothing then, though it names every format it does not know.
        return CORE_WORDING("CoreMessages", "the archive's compressed data is cut off or damaged (a download not finished?)");
    } else {
        wording = named ? CORE_WORDING("CoreMessages", "the archive is damaged at \"%1\" (%2)")
                        : CORE_WORDING("CoreMessages", "the archive is damaged (%1)");
    }
    Message reason(wording);
    if (named)
        reason.name(EntryNames::shown(raw));
    if (text.empty())
        reason.nested(CORE_WORDING("CoreMessages", "libarchive failed"));
    else
        reason.name(quotedForMessage(text));
    return reason;
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

Message tooLargeArchive(std::uint64_t size, const ArchiveLimits &limits)
{
    return Message(CORE_WORDING("CoreMessages", "the archive holds %1 bytes, more than Tessary reads (%2)"))
        .number(static_cast<long long>(size))
        .number(static_cast<long long>(limits.archiveBytes));
}

class Reading {
public:
    Reading(const std::string &source, const ArchiveLimits &limits) : m_source(source), m_limits(limits), m_names(source) {}

    // Hands each file to take, in the order they lie in the archive; those wanted says no to are
    // passed over unexpanded. take may keep the bytes; else their room is used for the next file.
    void run(const std::uint8_t *data, std::size_t size, const ArchiveReader::Wanted &wanted, const ArchiveReader::Take &take)
    {
        if (size > m_limits.archiveBytes)
            throw GameFileError(m_source, tooLargeArchive(size, m_limits));
        ZipDirectory::check(m_source, data, size);
        const Utf8Locale locale;
        ArchivePtr reader = openReader(m_source);
        archive *a = reader.get();
        if (archive_read_open_memory2(a, data, size, ReadBlock) != ARCHIVE_OK)
            throw GameFileError(m_source, trouble(a, Stage::Open, std::string(), nullptr));
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
                throw GameFileError(m_source, trouble(a, Stage::Header, raw, entry));
            if (++count > m_limits.entries)
                throw GameFileError(m_source, Message(CORE_WORDING("CoreMessages", "the archive holds more than %1 entries"))
                                                  .number(static_cast<long long>(m_limits.entries)));
            if (archive_entry_is_encrypted(entry))
                m_names.refuse(raw, CORE_WORDING("CoreMessages", "\"%1\" is encrypted, which Tessary can't read"));
            if (archive_entry_hardlink(entry) || archive_entry_symlink(entry))
                m_names.refuse(raw, CORE_WORDING("CoreMessages", "\"%1\" is a link, which Tessary does not follow"));
            const auto type = archive_entry_filetype(entry);
            if (type != AE_IFREG && type != AE_IFDIR)
                m_names.refuse(raw, CORE_WORDING("CoreMessages", "\"%1\" is a device or another special file, not a file"));
            const std::string name = m_names.accept(raw, type == AE_IFDIR);
            if (type == AE_IFDIR) {
                entryEnd = archive_filter_bytes(a, 0);
                continue;
            }
            if (wanted && !wanted(name)) {
                if (archive_read_data_skip(a) != ARCHIVE_OK)
                    damaged(a, raw, entry);
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
                    damaged(a, raw, entry);
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
                damaged(a, raw, entry);
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
            m_names.refuse(EntryNames::named(CORE_WORDING("CoreMessages", "\"%1\" expands more than %2 times over what it takes in the archive, as a zip bomb does"), raw)
                               .number(static_cast<long long>(m_limits.ratio)));
    }

    // A tar ends in blocks of zeros; one that stops right after an entry was cut off (a
    // download not finished), though every entry in it is whole.
    void requireTarEnd(archive *a, std::int64_t entryEnd) const
    {
        if ((archive_format(a) & ARCHIVE_FORMAT_BASE_MASK) != ARCHIVE_FORMAT_TAR)
            return;
        if (archive_filter_bytes(a, 0) - entryEnd < 512)
            throw GameFileError(m_source, CORE_WORDING("CoreMessages", "the archive is cut off: it ends without the end a tar archive has (a download not finished?)"));
    }

    [[noreturn]] void damaged(archive *a, const std::string &raw, archive_entry *entry)
    {
        throw GameFileError(m_source, trouble(a, Stage::Data, raw, entry));
    }

    [[noreturn]] void tooLarge(const std::string &raw)
    {
        m_names.refuse(EntryNames::named(CORE_WORDING("CoreMessages", "\"%1\" would make the archive expand past %2 MB, more than any menu mod holds (a zip bomb?)"), raw)
                           .number(static_cast<long long>(m_limits.totalBytes >> 20)));
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
        throw GameFileError(path, tooLargeArchive(stamp.size, limits));
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
