#include "file_ops.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

#include "game_file_error.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace FileOps {

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
    }
    return "injected failure";
}

// Counts one operation and raises the planned failure when its turn has come.
void countOperation(const std::string &reportAs)
{
    ++g_count;
    if (g_failAt != 0 && g_count == g_failAt)
        throw GameFileError(reportAs, faultText(g_faultKind));
}

[[noreturn]] void fail(const std::string &reportAs, int errorNumber)
{
    throw GameFileError(reportAs, describeError(errorNumber));
}

#ifdef _WIN32
int sysOpenRead(const std::string &p) { return ::_open(p.c_str(), _O_RDONLY | _O_BINARY); }
int sysCreate(const std::string &p) { return ::_open(p.c_str(), _O_WRONLY | _O_CREAT | _O_TRUNC | _O_BINARY, _S_IREAD | _S_IWRITE); }
long long sysRead(int fd, void *b, std::size_t n) { return ::_read(fd, b, static_cast<unsigned>(n)); }
long long sysWrite(int fd, const void *b, std::size_t n) { return ::_write(fd, b, static_cast<unsigned>(n)); }
int sysClose(int fd) { return ::_close(fd); }
int sysSync(int fd) { return ::_commit(fd); }
int sysOpenForFlush(const std::string &p) { return ::_open(p.c_str(), _O_RDWR | _O_BINARY); }
void startWriting(int) {}
constexpr std::size_t MaxChunk = 1u << 30;
#else
int sysOpenRead(const std::string &p) { return ::open(p.c_str(), O_RDONLY | O_CLOEXEC); }
int sysCreate(const std::string &p) { return ::open(p.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666); }
long long sysRead(int fd, void *b, std::size_t n) { return ::read(fd, b, n); }
long long sysWrite(int fd, const void *b, std::size_t n) { return ::write(fd, b, n); }
int sysClose(int fd) { return ::close(fd); }
int sysSync(int fd) { return ::fdatasync(fd); }
int sysOpenForFlush(const std::string &p) { return ::open(p.c_str(), O_RDONLY | O_CLOEXEC); }
void startWriting(int fd)
{
#ifdef __linux__
    ::sync_file_range(fd, 0, 0, SYNC_FILE_RANGE_WRITE);
#else
    (void)fd;
#endif
}
constexpr std::size_t MaxChunk = std::size_t(1) << 30;
#endif

} // namespace

void injectFault(long failAt, FaultKind kind)
{
    g_failAt = failAt;
    g_faultKind = kind;
    g_count = 0;
}

long operationCount() { return g_count; }
void resetCount() { g_count = 0; }

std::string describeError(int errorNumber)
{
    switch (errorNumber) {
    case ENOENT:
    case ENOTDIR: return FailureText::NotFound;
    case EACCES:
    case EPERM:
    case EROFS: return FailureText::AccessDenied;
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return FailureText::DiskFull;
    case EISDIR: return "is a folder, not a file";
    default: break;
    }
    return "error code " + std::to_string(errorNumber) + " (" + std::strerror(errorNumber) + ")";
}

InputFile::InputFile(std::string path) : m_path(std::move(path))
{
    countOperation(m_path);
    m_fd = sysOpenRead(m_path);
    if (m_fd < 0)
        fail(m_path, errno);
#ifdef _WIN32
    struct _stat64 info {};
    const int statResult = ::_fstat64(m_fd, &info);
#else
    struct stat info {};
    const int statResult = ::fstat(m_fd, &info);
#endif
    if (statResult != 0) {
        const int error = errno;
        sysClose(m_fd);
        m_fd = -1;
        fail(m_path, error);
    }
    if ((info.st_mode & S_IFMT) == S_IFDIR) {
        sysClose(m_fd);
        m_fd = -1;
        fail(m_path, EISDIR);
    }
    m_length = static_cast<std::uint64_t>(info.st_size);
}

InputFile::~InputFile()
{
    if (m_fd >= 0)
        sysClose(m_fd);
}

void InputFile::read(void *into, std::size_t count)
{
    countOperation(m_path);
    auto *cursor = static_cast<char *>(into);
    while (count > 0) {
        const long long got = sysRead(m_fd, cursor, std::min(count, MaxChunk));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            fail(m_path, errno);
        }
        if (got == 0)
            throw GameFileError(m_path, FailureText::BeyondEnd);
        cursor += got;
        count -= static_cast<std::size_t>(got);
    }
}

void InputFile::close()
{
    if (m_fd < 0)
        return;
    const int fd = std::exchange(m_fd, -1);
    countOperation(m_path);
    if (sysClose(fd) != 0)
        fail(m_path, errno);
}

OutputFile::OutputFile(std::string path, std::string reportAs) : m_path(std::move(path)), m_reportAs(std::move(reportAs))
{
    countOperation(m_reportAs);
    m_fd = sysCreate(m_path);
    if (m_fd < 0)
        fail(m_reportAs, errno);
}

OutputFile::~OutputFile()
{
    if (m_fd >= 0)
        sysClose(m_fd);
}

void OutputFile::write(const void *from, std::size_t count)
{
    countOperation(m_reportAs);
    const auto *cursor = static_cast<const char *>(from);
    while (count > 0) {
        const long long put = sysWrite(m_fd, cursor, std::min(count, MaxChunk));
        if (put < 0) {
            if (errno == EINTR)
                continue;
            fail(m_reportAs, errno);
        }
        if (put == 0)
            fail(m_reportAs, ENOSPC);
        cursor += put;
        count -= static_cast<std::size_t>(put);
    }
}

void OutputFile::close(Durability durability)
{
    if (m_fd < 0)
        return;
    const int fd = std::exchange(m_fd, -1);
    countOperation(m_reportAs);
    // Flushing first makes a late "disk full" surface here, before the file is trusted.
    if (durability == Durability::Started)
        startWriting(fd);
    if (durability == Durability::Flushed && sysSync(fd) != 0) {
        const int error = errno;
        sysClose(fd);
        if (error != EINVAL)
            fail(m_reportAs, error);
        return;
    }
    if (sysClose(fd) != 0)
        fail(m_reportAs, errno);
}

void flushToDisk(const std::string &path, const std::string &reportAs)
{
    countOperation(reportAs);
    const int fd = sysOpenForFlush(path);
    if (fd < 0)
        fail(reportAs, errno);
    if (sysSync(fd) != 0 && errno != EINVAL) {
        const int error = errno;
        sysClose(fd);
        fail(reportAs, error);
    }
    sysClose(fd);
}

std::vector<std::uint8_t> readWhole(const std::string &path)
{
    InputFile file(path);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(file.length()));
    file.read(bytes.data(), bytes.size());
    file.close();
    return bytes;
}

void clearAttributes(const std::string &path)
{
    try {
        countOperation(path);
    } catch (const GameFileError &) {
        return; // a failed attribute change is ignored, injected or not
    }
#ifdef _WIN32
    ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
#else
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && (info.st_mode & S_IWUSR) == 0)
        ::chmod(path.c_str(), (info.st_mode & 07777) | S_IWUSR);
#endif
}

bool isReadOnly(const std::string &path)
{
#ifdef _WIN32
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
#else
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && (info.st_mode & S_IWUSR) == 0;
#endif
}

bool isFile(const std::string &path)
{
#ifdef _WIN32
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
#else
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
#endif
}

bool isFolder(const std::string &path)
{
#ifdef _WIN32
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
#else
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
#endif
}

void renameReplacing(const std::string &from, const std::string &to, const std::string &reportAs)
{
    countOperation(reportAs);
#ifdef _WIN32
    if (!::MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        throw GameFileError(reportAs, ::GetLastError() == ERROR_ACCESS_DENIED ? FailureText::AccessDenied
                                                                              : "error code " + std::to_string(::GetLastError()));
#else
    if (std::rename(from.c_str(), to.c_str()) != 0)
        fail(reportAs, errno);
#endif
}

void removeQuietly(const std::string &path)
{
    std::remove(path.c_str());
}

} // namespace FileOps
