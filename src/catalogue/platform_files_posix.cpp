#include "platform_files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "game_file_error.h"

namespace PlatformFiles {

namespace {

constexpr std::size_t MaxChunk = std::size_t(1) << 30;

int fd(Handle handle) { return static_cast<int>(handle); }

void fill(const struct stat &st, Info &info)
{
    info.regular = S_ISREG(st.st_mode);
    info.folder = S_ISDIR(st.st_mode);
    info.link = S_ISLNK(st.st_mode);
    info.readOnly = (st.st_mode & S_IWUSR) == 0;
    info.size = static_cast<std::uint64_t>(st.st_size);
    info.modified = std::int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    info.changed = std::int64_t(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
    info.device = static_cast<std::uint64_t>(st.st_dev);
    info.fileId = static_cast<std::uint64_t>(st.st_ino);
    info.mode = st.st_mode & 07777;
    info.owner = st.st_uid;
    info.group = st.st_gid;
}

int lastError() { return errno; }

} // namespace

int open(const std::string &path, Open how, Handle &handle)
{
    int flags = O_CLOEXEC;
    switch (how) {
    case Open::Read: flags |= O_RDONLY | O_NONBLOCK; break;
    case Open::ReadNoFollow: flags |= O_RDONLY | O_NONBLOCK | O_NOFOLLOW; break;
    case Open::CreateTruncate: flags |= O_WRONLY | O_CREAT | O_TRUNC; break;
    case Open::CreateNew: flags |= O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW; break;
    case Open::FlushOnly: flags |= O_RDONLY | O_NONBLOCK; break;
    case Open::LockFile: flags |= O_RDWR | O_CREAT | O_NOFOLLOW; break;
    }
    int result;
    do
        result = ::open(path.c_str(), flags, 0666);
    while (result < 0 && errno == EINTR);
    if (result < 0) {
        // A lock file in a folder the process may only read is still good for a shared lock.
        // When that fails too, the first refusal is the one that explains it.
        const int refusal = lastError();
        if (how == Open::LockFile && (refusal == EACCES || refusal == EROFS)) {
            result = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
            if (result >= 0) {
                handle = result;
                return 0;
            }
        }
        return refusal;
    }
    if (how == Open::Read || how == Open::ReadNoFollow || how == Open::FlushOnly) {
        // Opened without blocking so that a pipe can't hold the program; a regular file reads
        // the same either way, but the flag is taken off again to keep reads plain.
        const int old = ::fcntl(result, F_GETFL);
        if (old != -1)
            ::fcntl(result, F_SETFL, old & ~O_NONBLOCK);
    }
    handle = result;
    return 0;
}

int read(Handle handle, void *into, std::size_t count, std::size_t &got)
{
    for (;;) {
        const ssize_t n = ::read(fd(handle), into, count < MaxChunk ? count : MaxChunk);
        if (n >= 0) {
            got = static_cast<std::size_t>(n);
            return 0;
        }
        if (errno != EINTR)
            return lastError();
    }
}

int write(Handle handle, const void *from, std::size_t count, std::size_t &put)
{
    for (;;) {
        const ssize_t n = ::write(fd(handle), from, count < MaxChunk ? count : MaxChunk);
        if (n >= 0) {
            put = static_cast<std::size_t>(n);
            return 0;
        }
        if (errno != EINTR)
            return lastError();
    }
}

int flush(Handle handle)
{
    if (::fdatasync(fd(handle)) == 0)
        return 0;
    // A file system that can't flush (EINVAL) has nothing more to wait for.
    return errno == EINVAL ? 0 : lastError();
}

void startWriting(Handle handle)
{
#ifdef __linux__
    ::sync_file_range(fd(handle), 0, 0, SYNC_FILE_RANGE_WRITE);
#else
    (void)handle;
#endif
}

int close(Handle handle)
{
    return ::close(fd(handle)) == 0 ? 0 : lastError();
}

int infoOf(Handle handle, Info &info)
{
    struct stat st {};
    if (::fstat(fd(handle), &st) != 0)
        return lastError();
    fill(st, info);
    return 0;
}

int infoOf(const std::string &path, Info &info)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return lastError();
    fill(st, info);
    return 0;
}

int identityOf(const std::string &path, Info &info)
{
    return infoOf(path, info);
}

int linkInfoOf(const std::string &path, Info &info)
{
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0)
        return lastError();
    fill(st, info);
    return 0;
}

int copyPermissions(Handle handle, const Info &model)
{
    // The owner and group first: changing them may clear the set-id bits that fchmod then sets.
    // Only a privileged process may give a file away, so a refusal here is expected.
    if (::fchown(fd(handle), model.owner, model.group) != 0 && errno != EPERM)
        return lastError();
    return ::fchmod(fd(handle), model.mode) == 0 ? 0 : lastError();
}

int rename(const std::string &from, const std::string &to)
{
    return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : lastError();
}

int moveNoReplace(const std::string &from, const std::string &to)
{
#ifdef __linux__
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return lastError();
#endif
    // A file system without that move: a second name, which can't replace anything, then the first goes.
    if (::link(from.c_str(), to.c_str()) != 0)
        return lastError();
    ::unlink(from.c_str());
    return 0;
}

int remove(const std::string &path)
{
    return ::unlink(path.c_str()) == 0 ? 0 : lastError();
}

int makeFolder(const std::string &path)
{
    return ::mkdir(path.c_str(), 0777) == 0 ? 0 : lastError();
}

int flushFolder(const std::string &folder)
{
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0)
        return lastError();
    int result = ::fsync(dir) == 0 || errno == EINVAL ? 0 : lastError();
    ::close(dir);
    return result;
}

int clearAttributes(const std::string &path)
{
    // lstat and a mode change that refuses links: a link's target may lie anywhere.
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0)
        return lastError();
    if (S_ISLNK(st.st_mode))
        return ELOOP;
    if ((st.st_mode & S_IWUSR) != 0)
        return 0;
    if (::fchmodat(AT_FDCWD, path.c_str(), (st.st_mode & 07777) | S_IWUSR, AT_SYMLINK_NOFOLLOW) == 0)
        return 0;
    // Linux can't change a mode without following links (ENOTSUP); the lstat above vouched for
    // the name, and an open without following links pins it to that file.
    if (errno != ENOTSUP && errno != EOPNOTSUPP)
        return lastError();
    const int file = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (file < 0)
        return lastError();
    struct stat opened {};
    int result = ::fstat(file, &opened) == 0 && S_ISREG(opened.st_mode) && opened.st_ino == st.st_ino
        ? (::fchmod(file, (opened.st_mode & 07777) | S_IWUSR) == 0 ? 0 : lastError())
        : ENODEV;
    ::close(file);
    return result;
}

int namesIn(const std::string &folder, std::vector<std::string> &names)
{
    DIR *dir = ::opendir(folder.c_str());
    if (!dir)
        return lastError();
    while (const dirent *entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    ::closedir(dir);
    return 0;
}

int lock(Handle handle, LockKind kind)
{
    const int operation = kind == LockKind::Unlock ? LOCK_UN : (kind == LockKind::Shared ? LOCK_SH : LOCK_EX) | LOCK_NB;
    for (;;) {
        if (::flock(fd(handle), operation) == 0)
            return 0;
        if (errno != EINTR)
            return lastError();
    }
}

bool isNotFound(int error) { return error == ENOENT || error == ENOTDIR; }
bool isAlreadyThere(int error) { return error == EEXIST; }
bool isLockBusy(int error) { return error == EWOULDBLOCK || error == EAGAIN; }
int notRegularError() { return ENODEV; }
int diskFullError() { return ENOSPC; }
int processId() { return static_cast<int>(::getpid()); }

Message describe(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR: return FailureText::NotFound;
    case EACCES:
    case EPERM: return FailureText::AccessDenied;
    case EROFS: return FailureText::ReadOnlyFileSystem;
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return FailureText::DiskFull;
    case EISDIR: return FailureText::IsFolder;
    case ENODEV:
    case ENXIO: return FailureText::NotRegular;
    case ELOOP: return FailureText::IsLink;
    case ENAMETOOLONG: return FailureText::TooLong;
    case EBUSY:
    case ETXTBSY: return FailureText::InUse;
    default: break;
    }
    return Message::systemError(error, std::strerror(error));
}

} // namespace PlatformFiles
