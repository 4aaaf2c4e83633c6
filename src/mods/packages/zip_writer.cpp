#include "zip_writer.h"

#include <archive.h>
#include <archive_entry.h>

#include <ctime>
#include <memory>
#include <new>
#include <stdexcept>
#include <string>

#include "message.h"

namespace {

constexpr std::time_t FixedDate = 946684800; // 2000-01-01 00:00:00 UTC

la_ssize_t append(archive *, void *bytes, const void *data, std::size_t size)
{
    auto *out = static_cast<std::vector<std::uint8_t> *>(bytes);
    const auto *from = static_cast<const std::uint8_t *>(data);
    out->insert(out->end(), from, from + size);
    return la_ssize_t(size);
}

void check(archive *a, int status)
{
    if (status == ARCHIVE_OK)
        return;
    const char *text = archive_error_string(a);
    throw MessageError(Message(CORE_WORDING("CoreMessages", "the .zip archive can't be written: %1"))
                           .nested(text ? Message(std::string(text)) : Message(CORE_WORDING("CoreMessages", "libarchive failed"))));
}

} // namespace

namespace ZipWriter {

std::vector<std::uint8_t> write(const std::vector<ArchiveEntry> &entries, Compression compression)
{
    std::vector<EntryView> views;
    views.reserve(entries.size());
    for (const ArchiveEntry &file : entries)
        views.push_back({file.name, file.bytes.data(), file.bytes.size()});
    return write(views, compression);
}

std::vector<std::uint8_t> write(const std::vector<EntryView> &entries, Compression compression)
{
    std::unique_ptr<archive, int (*)(archive *)> writer(archive_write_new(), archive_write_free);
    std::unique_ptr<archive_entry, void (*)(archive_entry *)> entry(archive_entry_new(), archive_entry_free);
    if (!writer || !entry)
        throw std::bad_alloc();
    archive *a = writer.get();
    std::vector<std::uint8_t> bytes;
    check(a, archive_write_set_format_zip(a));
    check(a, archive_write_set_format_option(a, "zip", "hdrcharset", "UTF-8"));
    check(a, archive_write_set_format_option(a, "zip", "compression", compression == Compression::Stored ? "store" : "deflate"));
    if (compression == Compression::Deflated)
        check(a, archive_write_set_format_option(a, "zip", "compression-level", "1"));
    check(a, archive_write_set_bytes_per_block(a, 0));
    check(a, archive_write_open2(a, &bytes, nullptr, append, nullptr, nullptr));
    for (const EntryView &file : entries) {
        archive_entry_clear(entry.get());
        archive_entry_set_pathname_utf8(entry.get(), file.name.c_str());
        archive_entry_set_filetype(entry.get(), AE_IFREG);
        archive_entry_set_perm(entry.get(), 0644);
        archive_entry_set_size(entry.get(), la_int64_t(file.size));
        archive_entry_set_mtime(entry.get(), FixedDate, 0);
        check(a, archive_write_header(a, entry.get()));
        if (file.size > 0 && archive_write_data(a, file.data, file.size) != la_ssize_t(file.size))
            check(a, ARCHIVE_FATAL);
        check(a, archive_write_finish_entry(a));
    }
    check(a, archive_write_close(a));
    return bytes;
}

} // namespace ZipWriter
