#include "platform_files.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "game_file_error.h"
#include "windows_path.h"

namespace PlatformFiles {

namespace {

constexpr DWORD MaxChunk = DWORD(1) << 30;
constexpr DWORD ShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
// Locks are taken on a byte far past any content, so that the lock file's own bytes stay readable.
constexpr DWORD LockOffsetHigh = 0x7FFFFFFF;

HANDLE native(Handle handle) { return reinterpret_cast<HANDLE>(handle); }
int lastError() { return static_cast<int>(::GetLastError()); }

std::int64_t ticks(const FILETIME &time)
{
    return std::int64_t((std::uint64_t(time.dwHighDateTime) << 32) | time.dwLowDateTime);
}

void fill(DWORD attributes, std::uint64_t size, const FILETIME &written, Info &info)
{
    info.folder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    info.link = (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
    info.regular = !info.folder && (attributes & FILE_ATTRIBUTE_DEVICE) == 0;
    info.readOnly = (attributes & FILE_ATTRIBUTE_READONLY) != 0;
    info.size = size;
    info.modified = ticks(written);
}

// Change time and identity from an open handle; a system without them leaves them 0.
void fillIdentity(HANDLE file, const BY_HANDLE_FILE_INFORMATION &data, Info &info)
{
    info.device = data.dwVolumeSerialNumber;
    info.fileId = (std::uint64_t(data.nFileIndexHigh) << 32) | data.nFileIndexLow;
    FILE_BASIC_INFO basic{};
    if (::GetFileInformationByHandleEx(file, FileBasicInfo, &basic, sizeof basic))
        info.changed = basic.ChangeTime.QuadPart;
}

int attributeInfo(const std::string &path, Info &info)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(WindowsPath::wide(path).c_str(), GetFileExInfoStandard, &data))
        return lastError();
    fill(data.dwFileAttributes, (std::uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow, data.ftLastWriteTime, info);
    return 0;
}

// A folder named where a file was asked for is refused as "access denied"; say what it is.
int explain(const std::string &path, int error)
{
    if (error == ERROR_ACCESS_DENIED) {
        Info info;
        if (attributeInfo(path, info) == 0 && info.folder)
            return ERROR_DIRECTORY;
    }
    return error;
}

} // namespace

int open(const std::string &path, Open how, Handle &handle)
{
    DWORD access = GENERIC_READ;
    DWORD disposition = OPEN_EXISTING;
    DWORD flags = FILE_ATTRIBUTE_NORMAL;
    switch (how) {
    case Open::Read: break;
    case Open::ReadNoFollow: flags |= FILE_FLAG_OPEN_REPARSE_POINT; break;
    case Open::CreateTruncate: access = GENERIC_WRITE; disposition = CREATE_ALWAYS; break;
    case Open::CreateNew: access = GENERIC_WRITE; disposition = CREATE_NEW; break;
    case Open::FlushOnly: access = GENERIC_READ | GENERIC_WRITE; break;
    case Open::LockFile:
        access = GENERIC_READ | GENERIC_WRITE;
        disposition = OPEN_ALWAYS;
        flags |= FILE_FLAG_OPEN_REPARSE_POINT;
        break;
    }
    const std::wstring name = WindowsPath::wide(path);
    HANDLE file = ::CreateFileW(name.c_str(), access, ShareAll, nullptr, disposition, flags, nullptr);
    if (file == INVALID_HANDLE_VALUE && how == Open::LockFile && ::GetLastError() == ERROR_ACCESS_DENIED)
        file = ::CreateFileW(name.c_str(), GENERIC_READ, ShareAll, nullptr, OPEN_EXISTING, flags, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return explain(path, lastError());
    if (how == Open::LockFile || how == Open::ReadNoFollow) {
        BY_HANDLE_FILE_INFORMATION data{};
        if (::GetFileInformationByHandle(file, &data) && (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
            ::CloseHandle(file);
            return ERROR_CANT_ACCESS_FILE;
        }
    }
    handle = reinterpret_cast<Handle>(file);
    return 0;
}

int read(Handle handle, void *into, std::size_t count, std::size_t &got)
{
    DWORD n = 0;
    if (!::ReadFile(native(handle), into, count < MaxChunk ? DWORD(count) : MaxChunk, &n, nullptr)) {
        const int error = lastError();
        if (error == ERROR_HANDLE_EOF || error == ERROR_BROKEN_PIPE) {
            got = 0;
            return 0;
        }
        return error;
    }
    got = n;
    return 0;
}

int write(Handle handle, const void *from, std::size_t count, std::size_t &put)
{
    DWORD n = 0;
    if (!::WriteFile(native(handle), from, count < MaxChunk ? DWORD(count) : MaxChunk, &n, nullptr))
        return lastError();
    put = n;
    return 0;
}

int flush(Handle handle)
{
    return ::FlushFileBuffers(native(handle)) ? 0 : lastError();
}

void startWriting(Handle) {}

int close(Handle handle)
{
    return ::CloseHandle(native(handle)) ? 0 : lastError();
}

int infoOf(Handle handle, Info &info)
{
    if (::GetFileType(native(handle)) != FILE_TYPE_DISK) {
        info = Info{};
        return 0;
    }
    BY_HANDLE_FILE_INFORMATION data{};
    if (!::GetFileInformationByHandle(native(handle), &data))
        return lastError();
    fill(data.dwFileAttributes, (std::uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow, data.ftLastWriteTime, info);
    fillIdentity(native(handle), data, info);
    return 0;
}

int infoOf(const std::string &path, Info &info)
{
    return attributeInfo(path, info);
}

int identityOf(const std::string &path, Info &info)
{
    // Opened for no access at all, which neither blocks nor disturbs another program's use.
    HANDLE file = ::CreateFileW(WindowsPath::wide(path).c_str(), 0, ShareAll, nullptr, OPEN_EXISTING,
                                FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return lastError();
    BY_HANDLE_FILE_INFORMATION data{};
    int error = 0;
    if (::GetFileInformationByHandle(file, &data)) {
        fill(data.dwFileAttributes, (std::uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow, data.ftLastWriteTime, info);
        fillIdentity(file, data, info);
    } else {
        error = lastError();
    }
    ::CloseHandle(file);
    return error;
}

int linkInfoOf(const std::string &path, Info &info)
{
    return attributeInfo(path, info);
}

int copyPermissions(Handle, const Info &)
{
    // A new file inherits the folder's access rules, which is what the old file had as well.
    return 0;
}

int rename(const std::string &from, const std::string &to)
{
    const BOOL moved = ::MoveFileExW(WindowsPath::wide(from).c_str(), WindowsPath::wide(to).c_str(),
                                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    return moved ? 0 : explain(to, lastError());
}

int moveNoReplace(const std::string &from, const std::string &to)
{
    const BOOL moved = ::MoveFileExW(WindowsPath::wide(from).c_str(), WindowsPath::wide(to).c_str(), MOVEFILE_WRITE_THROUGH);
    return moved ? 0 : explain(to, lastError());
}

int remove(const std::string &path)
{
    return ::DeleteFileW(WindowsPath::wide(path).c_str()) ? 0 : lastError();
}

int makeFolder(const std::string &path)
{
    return ::CreateDirectoryW(WindowsPath::wide(path).c_str(), nullptr) ? 0 : lastError();
}

int flushFolder(const std::string &)
{
    // Moves are made with MOVEFILE_WRITE_THROUGH; a folder itself can't be flushed here.
    return 0;
}

int clearAttributes(const std::string &path)
{
    // A link (or junction) is a reparse point; what it points to may lie anywhere.
    const std::wstring name = WindowsPath::wide(path);
    const DWORD attributes = ::GetFileAttributesW(name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return lastError();
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0)
        return ERROR_CANT_ACCESS_FILE;
    return ::SetFileAttributesW(name.c_str(), FILE_ATTRIBUTE_NORMAL) ? 0 : lastError();
}

int namesIn(const std::string &folder, std::vector<std::string> &names)
{
    WIN32_FIND_DATAW found{};
    HANDLE search = ::FindFirstFileW(WindowsPath::wide(folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return lastError();
    do {
        const std::string name = WindowsPath::narrow(found.cFileName);
        if (name != "." && name != "..")
            names.push_back(name);
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
    return 0;
}

int lock(Handle handle, LockKind kind)
{
    OVERLAPPED at{};
    at.OffsetHigh = LockOffsetHigh;
    if (kind == LockKind::Unlock)
        return ::UnlockFileEx(native(handle), 0, 1, 0, &at) ? 0 : lastError();
    DWORD flags = LOCKFILE_FAIL_IMMEDIATELY;
    if (kind == LockKind::Exclusive)
        flags |= LOCKFILE_EXCLUSIVE_LOCK;
    return ::LockFileEx(native(handle), flags, 0, 1, 0, &at) ? 0 : lastError();
}

bool isNotFound(int error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }
bool isAlreadyThere(int error) { return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS; }
bool isLockBusy(int error) { return error == ERROR_LOCK_VIOLATION || error == ERROR_IO_PENDING; }
int notRegularError() { return ERROR_BAD_FILE_TYPE; }
int diskFullError() { return ERROR_DISK_FULL; }
int processId() { return static_cast<int>(::GetCurrentProcessId()); }

Message describe(int error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE: return FailureText::NotFound;
    case ERROR_ACCESS_DENIED: return FailureText::AccessDenied;
    case ERROR_WRITE_PROTECT: return FailureText::ReadOnlyFileSystem;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return FailureText::DiskFull;
    case ERROR_DIRECTORY: return FailureText::IsFolder;
    case ERROR_BAD_FILE_TYPE: return FailureText::NotRegular;
    case ERROR_CANT_ACCESS_FILE: return FailureText::IsLink;
    case ERROR_FILENAME_EXCED_RANGE: return FailureText::TooLong;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE: return FailureText::InUse;
    case ERROR_HANDLE_EOF: return FailureText::BeyondEnd;
    default: break;
    }
    wchar_t *text = nullptr;
    const DWORD length = ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM
                                              | FORMAT_MESSAGE_IGNORE_INSERTS,
                                          nullptr, DWORD(error), 0, reinterpret_cast<wchar_t *>(&text), 0, nullptr);
    std::string words = length && text ? WindowsPath::narrow(std::wstring(text, length)) : std::string();
    if (text)
        ::LocalFree(text);
    while (!words.empty() && (words.back() == '\n' || words.back() == '\r' || words.back() == '.' || words.back() == ' '))
        words.pop_back();
    return Message::systemError(error, words);
}

} // namespace PlatformFiles
