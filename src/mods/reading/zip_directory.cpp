#include "zip_directory.h"

#include <algorithm>
#include <cstring>

#include "entry_names.h"
#include "game_file_error.h"

namespace {

constexpr std::uint32_t LocalSignature = 0x04034b50;
constexpr std::uint32_t CentralSignature = 0x02014b50;
constexpr std::uint32_t EndSignature = 0x06054b50;
constexpr std::uint32_t Zip64LocatorSignature = 0x07064b50;
constexpr std::uint32_t Zip64EndSignature = 0x06064b50;
constexpr std::size_t EndSize = 22;
constexpr std::size_t CentralSize = 46;
constexpr std::size_t LocalSize = 30;

std::uint64_t little(const std::uint8_t *at, int bytes)
{
    std::uint64_t value = 0;
    for (int k = bytes; k-- > 0;)
        value = value << 8 | at[k];
    return value;
}

[[noreturn]] void cut(const std::string &source, Message what)
{
    throw GameFileError(source, Message(CORE_WORDING("CoreMessages", "the archive is cut off or damaged: %1 (a download not finished?)")).nested(std::move(what)));
}

void requireNoNul(const std::string &source, const std::uint8_t *name, std::size_t length)
{
    if (std::memchr(name, 0, length))
        throw GameFileError(source, EntryNames::named(CORE_WORDING("CoreMessages", "the entry \"%1\" has a name that holds a NUL character, which no file name holds"),
                                                      std::string(reinterpret_cast<const char *>(name), length)));
}

} // namespace

namespace ZipDirectory {

bool looksLikeZip(const std::uint8_t *data, std::size_t size)
{
    return size >= 4 && (little(data, 4) == LocalSignature || little(data, 4) == EndSignature);
}

void check(const std::string &source, const std::uint8_t *data, std::size_t size)
{
    if (!looksLikeZip(data, size))
        return;
    // The end record lies within the last 64 KB (it may carry a comment that long).
    std::size_t end = std::string::npos;
    for (std::size_t at = size >= EndSize ? size - EndSize + 1 : 0; at-- > 0 && size - at <= EndSize + 0xFFFF;)
        if (little(data + at, 4) == EndSignature && at + EndSize + little(data + at + 20, 2) <= size) {
            end = at;
            break;
        }
    if (end == std::string::npos)
        cut(source, CORE_WORDING("CoreMessages", "it lacks the central directory at its end, the list of its files"));
    std::uint64_t entries = little(data + end + 10, 2);
    std::uint64_t directorySize = little(data + end + 12, 4);
    std::uint64_t directoryAt = little(data + end + 16, 4);
    if ((entries == 0xFFFF || directorySize == 0xFFFFFFFF || directoryAt == 0xFFFFFFFF) && end >= 20
        && little(data + end - 20, 4) == Zip64LocatorSignature) {
        const std::uint64_t record = little(data + end - 20 + 8, 8);
        if (record > size || size - record < 56 || little(data + record, 4) != Zip64EndSignature)
            cut(source, CORE_WORDING("CoreMessages", "its zip64 end record is missing"));
        entries = little(data + record + 32, 8);
        directorySize = little(data + record + 40, 8);
        directoryAt = little(data + record + 48, 8);
    }
    if (directoryAt > end || directorySize > end - directoryAt)
        cut(source, CORE_WORDING("CoreMessages", "its central directory lies outside it"));
    std::uint64_t found = 0;
    for (std::uint64_t at = directoryAt; at < directoryAt + directorySize; ++found) {
        const std::uint8_t *entry = data + at;
        if (directoryAt + directorySize - at < CentralSize || little(entry, 4) != CentralSignature)
            cut(source, CORE_WORDING("CoreMessages", "its central directory is incomplete"));
        const std::uint64_t nameLength = little(entry + 28, 2);
        const std::uint64_t length = CentralSize + nameLength + little(entry + 30, 2) + little(entry + 32, 2);
        if (length > directoryAt + directorySize - at)
            cut(source, CORE_WORDING("CoreMessages", "its central directory is incomplete"));
        requireNoNul(source, entry + CentralSize, std::size_t(nameLength));
        // The entry's own header, which a reader may take its name from too.
        const std::uint64_t local = little(entry + 42, 4);
        if (local != 0xFFFFFFFF) {
            if (local > directoryAt || directoryAt - local < LocalSize || little(data + local, 4) != LocalSignature)
                cut(source, CORE_WORDING("CoreMessages", "an entry the central directory lists is missing"));
            const std::uint64_t localName = little(data + local + 26, 2);
            if (localName > directoryAt - local - LocalSize)
                cut(source, CORE_WORDING("CoreMessages", "an entry the central directory lists is missing"));
            requireNoNul(source, data + local + LocalSize, std::size_t(localName));
        }
        at += length;
    }
    if (found != entries)
        cut(source, Message(CORE_COUNTED_WORDING("CoreMessages", "its central directory lists %1 of the %n entries it says it holds"))
                        .number(static_cast<long long>(found))
                        .count(static_cast<long long>(entries), "its central directory lists %1 of the one entry it says it holds"));
}

} // namespace ZipDirectory
