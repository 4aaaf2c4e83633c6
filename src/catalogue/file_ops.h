#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform_files.h"

// Every file operation of the core passes through here, so that each one is checked in one
// place and a test can make the k-th operation fail.
namespace FileOps {

enum class FaultKind {
    NotFound,
    AccessDenied,
    DiskFull,
    ShortRead,
    Crash, // the program dies there: SimulatedCrash is thrown, which the program never catches
};

// Stands for the process ending abruptly (a kill, a power cut) at an injected operation. It is
// not a std::exception, so that no cleanup meant for errors runs, as none would after a crash.
struct SimulatedCrash {};

// Makes operation number failAt (counted from 1 after the plan is set) fail with kind; 0 disables.
void injectFault(long failAt, FaultKind kind);
// Operations counted since the last injectFault or resetCount.
long operationCount();
void resetCount();

// What a file looked like at one moment: enough to tell that another program changed it, even
// when it kept the size and set the modification time back (the change time and the file's
// identity move all the same, where the system keeps them).
struct FileStamp {
    bool exists = false;
    std::uint64_t size = 0;
    std::int64_t modified = 0;
    std::int64_t changed = 0;
    std::uint64_t device = 0;
    std::uint64_t fileId = 0;
    bool operator==(const FileStamp &) const = default;
};

// A regular file opened read-only; its length is known once open. Anything else (a folder, a
// pipe, a device) is refused at once, without waiting on it.
class InputFile {
public:
    enum class Links {
        Follow, // a symbolic link is read through
        Refuse, // a symbolic link is refused ("is a symbolic link")
    };
    explicit InputFile(std::string path, Links links = Links::Follow);
    ~InputFile();
    InputFile(const InputFile &) = delete;
    InputFile &operator=(const InputFile &) = delete;

    std::uint64_t length() const { return m_stamp.size; }
    // Size and modification time at the moment the file was opened.
    const FileStamp &stamp() const { return m_stamp; }
    // Reads exactly count bytes; fewer is the "reading beyond the end of the file" error.
    void read(void *into, std::size_t count);
    void close();

private:
    std::string m_path;
    PlatformFiles::Handle m_handle = PlatformFiles::NoHandle;
    FileStamp m_stamp;
};

// A file created for writing. close() must succeed for the data to count.
class OutputFile {
public:
    enum class Creation {
        Truncate,  // created, or emptied when it exists
        Exclusive, // created new; refused when anything, a symbolic link included, has the name
    };

    // path is the file to create; reportAs is the name used in error messages.
    OutputFile(std::string path, std::string reportAs, Creation creation = Creation::Truncate);
    // A new file beside target under a name no other run uses (target + ".tessary-<process>-
    // <random>.<kind>"), created exclusively; errors name target.
    static OutputFile beside(const std::string &target, const char *kind);
    OutputFile(OutputFile &&other) noexcept;
    OutputFile &operator=(OutputFile &&) = delete;
    ~OutputFile();
    OutputFile(const OutputFile &) = delete;
    OutputFile &operator=(const OutputFile &) = delete;

    // The name the file was created under.
    const std::string &path() const { return m_path; }
    // Gives the file the permission bits, owner and group that model has, as far as allowed.
    void copyPermissionsFrom(const std::string &model);
    void write(const void *from, std::size_t count);
    // Whether close() waits until the data is on the disk itself (Flushed), leaves it to the
    // system (Cached), or starts the disk writing and returns at once (Started; flushToDisk
    // later waits for it, so that many files reach the disk together instead of one by one).
    enum class Durability { Flushed, Cached, Started };

    // Closes the file (flushing it to the disk first when asked); a failure means it is not whole.
    void close(Durability durability = Durability::Flushed);

private:
    std::string m_path;
    std::string m_reportAs;
    PlatformFiles::Handle m_handle = PlatformFiles::NoHandle;
};

// A name beside target that no other run uses: target + ".tessary-<process>-<random>.<kind>".
std::string uniqueSiblingName(const std::string &target, const char *kind);

// Waits until a file written earlier is on the disk itself; reportAs names it in an error.
void flushToDisk(const std::string &path, const std::string &reportAs);
// Waits until the names in a folder (files added, moved, removed) are on the disk.
void flushFolder(const std::string &folder);

// Reads a whole file into memory.
std::vector<std::uint8_t> readWhole(const std::string &path, InputFile::Links links = InputFile::Links::Follow);

// The file's stamp now; exists is false when there is no such file.
FileStamp stampOf(const std::string &path);
// Clears the read-only, hidden and system attributes (on POSIX: gives the owner write
// permission). A symbolic link is left alone, and so is what it points to. Failure is ignored,
// as the game-file rules ask.
void clearAttributes(const std::string &path);
// True for an existing regular file that is not a symbolic link.
bool isPlainFile(const std::string &path);
// True when path itself is a symbolic link (or, on Windows, another reparse point).
bool isLink(const std::string &path);
// True when the file exists and is marked read-only (no write bit for its owner on POSIX).
bool isReadOnly(const std::string &path);
// True for an existing regular file (not a folder).
bool isFile(const std::string &path);
// True for an existing folder.
bool isFolder(const std::string &path);
// True when something, a dangling symbolic link included, has that name.
bool exists(const std::string &path);
// Moves from over to, replacing to; reportAs names the file in an error.
void renameReplacing(const std::string &from, const std::string &to, const std::string &reportAs);
// Moves from to to, which must not exist yet; reportAs names the file in an error.
void moveNoReplace(const std::string &from, const std::string &to, const std::string &reportAs);
// Removes a file; reportAs names it in an error.
void removeFile(const std::string &path, const std::string &reportAs);
// Removes a file, ignoring failure (used to tidy temporary files).
void removeQuietly(const std::string &path);
// Makes a folder unless a real folder (not a link to one) is already there.
void makeFolder(const std::string &path);
// The names in a folder; empty when it can't be read.
std::vector<std::string> namesIn(const std::string &folder);

// The user-facing text of a system error number.
Message describeError(int errorNumber);

} // namespace FileOps
