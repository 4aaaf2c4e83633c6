#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Every file operation of the core passes through here, so that each one is checked in one
// place and a test can make the k-th operation fail.
namespace FileOps {

enum class FaultKind { NotFound, AccessDenied, DiskFull, ShortRead };

// Makes operation number failAt (counted from 1 after the plan is set) fail with kind; 0 disables.
void injectFault(long failAt, FaultKind kind);
// Operations counted since the last injectFault or resetCount.
long operationCount();
void resetCount();

// A file opened read-only; its length is known once open.
class InputFile {
public:
    explicit InputFile(std::string path);
    ~InputFile();
    InputFile(const InputFile &) = delete;
    InputFile &operator=(const InputFile &) = delete;

    std::uint64_t length() const { return m_length; }
    // Reads exactly count bytes; fewer is the "reading beyond the end of the file" error.
    void read(void *into, std::size_t count);
    void close();

private:
    std::string m_path;
    int m_fd = -1;
    std::uint64_t m_length = 0;
};

// A file created (or truncated) for writing. close() must succeed for the data to count.
class OutputFile {
public:
    // path is the file to create; reportAs is the name used in error messages.
    OutputFile(std::string path, std::string reportAs);
    ~OutputFile();
    OutputFile(const OutputFile &) = delete;
    OutputFile &operator=(const OutputFile &) = delete;

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
    int m_fd = -1;
};

// Waits until a file written earlier is on the disk itself; reportAs names it in an error.
void flushToDisk(const std::string &path, const std::string &reportAs);

// Reads a whole file into memory.
std::vector<std::uint8_t> readWhole(const std::string &path);

// Clears the read-only, hidden and system attributes (on POSIX: gives the owner write
// permission). Failure is ignored, as the game-file rules ask.
void clearAttributes(const std::string &path);
// True when the file exists and is marked read-only (no write bit for its owner on POSIX).
bool isReadOnly(const std::string &path);
// True for an existing regular file (not a folder).
bool isFile(const std::string &path);
// True for an existing folder.
bool isFolder(const std::string &path);
// Moves from over to, replacing to; reportAs names the file in an error.
void renameReplacing(const std::string &from, const std::string &to, const std::string &reportAs);
// Removes a file, ignoring failure (used to tidy temporary files).
void removeQuietly(const std::string &path);

// The user-facing text of a system error number.
std::string describeError(int errorNumber);

} // namespace FileOps
