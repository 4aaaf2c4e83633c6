#include "file_ops.h"

#include <algorithm>
#include <random>
#include <utility>

#include "game_file_error.h"
#include "interruption.h"

namespace FileOps {

namespace PF = PlatformFiles;

namespace {

long g_failAt = 0;
FaultKind g_faultKind = FaultKind::NotFound;
long g_count = 0;

const char *faultText(FaultKind kind)
{
    switch (kind) {
    case FaultKind::NotFound: return FailureText::NotFound;
    case FaultKind::AccessDenied: return FailureText::AccessDenied;
    case FaultKind::DiskFull: return FailureText::DiskFull;
    case FaultKind::ShortRead: return FailureText::BeyondEnd;
    case FaultKind::Crash: break;
    }
    return "injected failure";
}

// Counts one operation and raises the planned failure when its turn has come.
void countOperation(const std::string &reportAs)
{
    Interruption::checkpoint();
    ++g_count;
    if (g_failAt == 0 || g_count != g_failAt)
        return;
    if (g_faultKind == FaultKind::Crash)
        throw SimulatedCrash{};
    throw GameFileError(reportAs, faultText(g_faultKind));
}

[[noreturn]] void fail(const std::string &reportAs, int errorNumber)
{
    throw GameFileError(reportAs, describeError(errorNumber));
}

void check(const std::string &reportAs, int errorNumber)
{
    if (errorNumber != 0)
        fail(reportAs, errorNumber);
}

FileStamp stampFrom(const PF::Info &info)
{
    return FileStamp{true, info.size, info.modified, info.changed, info.device, info.fileId};
}

} // namespace

std::string uniqueSiblingName(const std::string &target, const char *kind)
{
    // The process and 64 random bits.
    static std::mt19937_64 random{std::random_device{}() ^ (std::uint64_t(PF::processId()) << 32)};
    static const char digits[] = "0123456789abcdef";
    std::string tag;
    for (std::uint64_t bits = random(); tag.size() < 16; bits >>= 4)
        tag += digits[bits & 15];
    return target + ".tessary-" + std::to_string(PF::processId()) + "-" + tag + "." + kind;
}

void injectFault(long failAt, FaultKind kind)
{
    g_failAt = failAt;
    g_faultKind = kind;
    g_count = 0;
}

long operationCount() { return g_count; }
void resetCount() { g_count = 0; }

Message describeError(int errorNumber)
{
    return PF::describe(errorNumber);
}

InputFile::InputFile(std::string path, Links links) : m_path(std::move(path))
{
    countOperation(m_path);
    check(m_path, PF::open(m_path, links == Links::Follow ? PF::Open::Read : PF::Open::ReadNoFollow, m_handle));
    PF::Info info;
    const int error = PF::infoOf(m_handle, info);
    if (error != 0 || !info.regular) {
        PF::close(std::exchange(m_handle, PF::NoHandle));
        if (error != 0)
            fail(m_path, error);
        if (info.folder)
            throw GameFileError(m_path, FailureText::IsFolder);
        fail(m_path, PF::notRegularError());
    }
    m_stamp = stampFrom(info);
}

InputFile::~InputFile()
{
    if (m_handle != PF::NoHandle)
        PF::close(m_handle);
}

void InputFile::read(void *into, std::size_t count)
{
    countOperation(m_path);
    auto *cursor = static_cast<char *>(into);
    while (count > 0) {
        std::size_t got = 0;
        check(m_path, PF::read(m_handle, cursor, count, got));
        if (got == 0)
            throw GameFileError(m_path, FailureText::BeyondEnd);
        cursor += got;
        count -= got;
    }
}

void InputFile::close()
{
    if (m_handle == PF::NoHandle)
        return;
    // Closed before anything is reported, so that no failure leaves the file open.
    const int error = PF::close(std::exchange(m_handle, PF::NoHandle));
    countOperation(m_path);
    check(m_path, error);
}

OutputFile::OutputFile(std::string path, std::string reportAs, Creation creation)
    : m_path(std::move(path)), m_reportAs(std::move(reportAs))
{
    countOperation(m_reportAs);
    const int error = PF::open(m_path, creation == Creation::Exclusive ? PF::Open::CreateNew : PF::Open::CreateTruncate,
                               m_handle);
    if (error != 0) {
        m_handle = PF::NoHandle;
        fail(m_reportAs, error);
    }
}

OutputFile OutputFile::beside(const std::string &target, const char *kind)
{
    // A name already taken (a file or a link someone planted) is passed over for another.
    std::string name = uniqueSiblingName(target, kind);
    for (int attempt = 0; attempt < 8 && exists(name); ++attempt)
        name = uniqueSiblingName(target, kind);
    return OutputFile(name, target, Creation::Exclusive);
}

OutputFile::OutputFile(OutputFile &&other) noexcept
    : m_path(std::move(other.m_path)), m_reportAs(std::move(other.m_reportAs)),
      m_handle(std::exchange(other.m_handle, PF::NoHandle))
{
}

OutputFile::~OutputFile()
{
    if (m_handle != PF::NoHandle)
        PF::close(m_handle);
}

void OutputFile::copyPermissionsFrom(const std::string &model)
{
    PF::Info info;
    if (PF::infoOf(model, info) != 0 || !info.regular)
        return;
    countOperation(m_reportAs);
    check(m_reportAs, PF::copyPermissions(m_handle, info));
}

void OutputFile::write(const void *from, std::size_t count)
{
    countOperation(m_reportAs);
    const auto *cursor = static_cast<const char *>(from);
    while (count > 0) {
        std::size_t put = 0;
        check(m_reportAs, PF::write(m_handle, cursor, count, put));
        if (put == 0)
            fail(m_reportAs, PF::diskFullError());
        cursor += put;
        count -= put;
    }
}

void OutputFile::close(Durability durability)
{
    if (m_handle == PF::NoHandle)
        return;
    const PF::Handle handle = std::exchange(m_handle, PF::NoHandle);
    // Flushing first makes a late "disk full" surface here, before the file is trusted.
    int error = 0;
    if (durability == Durability::Started)
        PF::startWriting(handle);
    if (durability == Durability::Flushed)
        error = PF::flush(handle);
    const int closeError = PF::close(handle);
    // Closed before anything is reported, so that no failure leaves the file open.
    countOperation(m_reportAs);
    check(m_reportAs, error != 0 ? error : closeError);
}

void flushToDisk(const std::string &path, const std::string &reportAs)
{
    countOperation(reportAs);
    PF::Handle handle = PF::NoHandle;
    check(reportAs, PF::open(path, PF::Open::FlushOnly, handle));
    const int error = PF::flush(handle);
    PF::close(handle);
    check(reportAs, error);
}

void flushFolder(const std::string &folder)
{
    countOperation(folder);
    check(folder, PF::flushFolder(folder));
}

std::vector<std::uint8_t> readWhole(const std::string &path, InputFile::Links links)
{
    InputFile file(path, links);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(file.length()));
    file.read(bytes.data(), bytes.size());
    file.close();
    return bytes;
}

FileStamp stampOf(const std::string &path)
{
    PF::Info info;
    if (PF::identityOf(path, info) != 0)
        return FileStamp{};
    return stampFrom(info);
}

void clearAttributes(const std::string &path)
{
    try {
        countOperation(path);
    } catch (const GameFileError &) {
        return; // a failed attribute change is ignored, injected or not
    }
    PF::clearAttributes(path);
}

bool isPlainFile(const std::string &path)
{
    PF::Info info;
    return PF::linkInfoOf(path, info) == 0 && info.regular && !info.link;
}

bool isLink(const std::string &path)
{
    PF::Info info;
    return PF::linkInfoOf(path, info) == 0 && info.link;
}

bool isReadOnly(const std::string &path)
{
    PF::Info info;
    return PF::infoOf(path, info) == 0 && info.readOnly;
}

bool isFile(const std::string &path)
{
    PF::Info info;
    return PF::infoOf(path, info) == 0 && info.regular;
}

bool isFolder(const std::string &path)
{
    PF::Info info;
    return PF::infoOf(path, info) == 0 && info.folder;
}

bool exists(const std::string &path)
{
    PF::Info info;
    return PF::linkInfoOf(path, info) == 0;
}

void renameReplacing(const std::string &from, const std::string &to, const std::string &reportAs)
{
    countOperation(reportAs);
    check(reportAs, PF::rename(from, to));
}

void moveNoReplace(const std::string &from, const std::string &to, const std::string &reportAs)
{
    countOperation(reportAs);
    check(reportAs, PF::moveNoReplace(from, to));
}

void removeFile(const std::string &path, const std::string &reportAs)
{
    countOperation(reportAs);
    const int error = PF::remove(path);
    if (error != 0 && !PF::isNotFound(error))
        fail(reportAs, error);
}

void removeQuietly(const std::string &path)
{
    PF::remove(path);
}

void makeFolder(const std::string &path)
{
    PF::Info info;
    if (PF::linkInfoOf(path, info) == 0) {
        if (info.link)
            throw GameFileError(path, FailureText::IsLink);
        if (!info.folder)
            throw GameFileError(path, CORE_WORDING("CoreMessages", "is a file, not a folder"));
        return;
    }
    countOperation(path);
    const int error = PF::makeFolder(path);
    if (error != 0 && !PF::isAlreadyThere(error))
        fail(path, error);
}

std::vector<std::string> namesIn(const std::string &folder)
{
    std::vector<std::string> names;
    if (PF::namesIn(folder, names) != 0)
        names.clear();
    return names;
}

} // namespace FileOps
