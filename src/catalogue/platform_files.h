#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "message.h"

// The system's file calls behind FileOps and FolderLock: POSIX descriptors or Windows handles.
// Paths are UTF-8 everywhere; on Windows they are widened and made absolute in the long form
// ("\\?\C:\..."), so that any name and any length the file system takes can be used. Every call
// returns 0 or the system's error number (errno, or GetLastError() on Windows).
namespace PlatformFiles {

using Handle = std::intptr_t;
inline constexpr Handle NoHandle = -1;

// What the system says of a file.
struct Info {
    bool regular = false;
    bool folder = false;
    bool link = false;         // only from linkInfoOf
    bool readOnly = false;     // no write permission for the owner / the read-only attribute
    std::uint64_t size = 0;
    std::int64_t modified = 0; // nanoseconds (POSIX) or 100-nanosecond ticks (Windows)
    // When anything of the file last changed (its inode on POSIX; 0 where the system can't tell),
    // and which file it is: device and inode, or volume serial and file ID. Filled by
    // infoOf(handle) and identityOf; 0 elsewhere on Windows.
    std::int64_t changed = 0;
    std::uint64_t device = 0;
    std::uint64_t fileId = 0;
    std::uint32_t mode = 0;    // POSIX permission bits
    std::uint32_t owner = 0;   // POSIX user and group
    std::uint32_t group = 0;
};

enum class Open {
    Read,           // an existing file, read-only; never blocks (a pipe is opened and refused by the caller)
    ReadNoFollow,   // as Read, but a symbolic link (or other reparse point) is refused
    CreateTruncate, // created, or emptied when it exists
    CreateNew,      // created; fails when anything, a link included, has that name
    FlushOnly,      // an existing file opened only to wait for its data to reach the disk
    LockFile,       // created when missing, never through a link; kept open to hold a lock
};

enum class LockKind { Shared, Exclusive, Unlock };

int open(const std::string &path, Open how, Handle &handle);
int read(Handle handle, void *into, std::size_t count, std::size_t &got);
int write(Handle handle, const void *from, std::size_t count, std::size_t &put);
// Waits until the file's data is on the disk itself.
int flush(Handle handle);
// Starts the disk writing the file's data and returns at once (where the system can).
void startWriting(Handle handle);
int close(Handle handle);
int infoOf(Handle handle, Info &info);
// Follows symbolic links.
int infoOf(const std::string &path, Info &info);
// Describes a symbolic link itself.
int linkInfoOf(const std::string &path, Info &info);
// Follows symbolic links, and fills in the change time and the file's identity as well.
int identityOf(const std::string &path, Info &info);
// Gives an open file the permission bits, owner and group of model, as far as the process may.
int copyPermissions(Handle handle, const Info &model);
// Moves from over to, replacing a file at to.
int rename(const std::string &from, const std::string &to);
// Moves from to to; fails (isAlreadyThere) when anything has the name to.
int moveNoReplace(const std::string &from, const std::string &to);
int remove(const std::string &path);
int makeFolder(const std::string &path);
// Waits until the folder's entries (names added, moved, removed) are on the disk.
int flushFolder(const std::string &folder);
// Clears the read-only, hidden and system attributes; on POSIX gives the owner write permission.
// A symbolic link is left alone, and so is what it points to.
int clearAttributes(const std::string &path);
// The names in a folder, without "." and "..".
int namesIn(const std::string &folder, std::vector<std::string> &names);
// Takes, changes or releases an advisory lock on an open file without waiting.
int lock(Handle handle, LockKind kind);

bool isNotFound(int error);
bool isAlreadyThere(int error);
bool isLockBusy(int error);
// The error a file of the wrong kind (a pipe, a device) is refused with.
int notRegularError();
// The error a pending write that moved nothing is reported with.
int diskFullError();
int processId();
// The system's error in words a user can act on.
Message describe(int error);

} // namespace PlatformFiles
