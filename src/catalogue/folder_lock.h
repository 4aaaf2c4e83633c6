#pragma once

#include <functional>
#include <string>

#include "message.h"
#include "platform_files.h"

// One writer per game folder, and no reader while a writer moves files into place. The lock
// lives on the file "tessary.lock" in MenuData/PC/GP2001 and is the system's own (flock,
// LockFileEx), so it goes when the process holding it ends, however it ends.
class FolderLock {
public:
    enum class Mode {
        Read,  // exclusive when no one else holds it, else shared with other readers; waits a
               // few seconds for a writer to finish
        Write, // exclusive; refused at once while another program writes the folder
    };

    // Takes the lock of the game folder gp4Path. Throws GameFileError naming the folder when
    // another program holds it. For reading, a folder where no lock file can be made (a
    // read-only medium, a folder that is not a game folder) is read without one.
    FolderLock(const std::string &gp4Path, Mode mode);
    ~FolderLock();
    FolderLock(FolderLock &&other) noexcept;
    FolderLock &operator=(FolderLock &&) = delete;
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;

    // Holds the lock alone, to settle an interrupted write-back: a reader gets it that way
    // whenever no one else reads; otherwise this waits a few seconds for the other readers.
    // False when they stay (the lock is then shared again).
    bool waitExclusive();
    // Goes back from exclusive to shared.
    void share();
    // True when a lock is held (false for a folder read without one).
    bool held() const { return m_handle != PlatformFiles::NoHandle; }
    // True while the lock is held alone.
    bool exclusive() const { return m_exclusive; }

    // What a second writer is refused with; a reader while a writer stays; a writer or a
    // settling reader while other readers stay.
    static Message writerBusy();
    static Message readerBusy();
    static Message readersBusy();

    // Told, once per lock taken, when taking it has to wait for another program: the command
    // line says so on standard error. Nothing is told when it is empty (the default).
    static inline std::function<void(const std::string &sentence)> waitNotice;
    static constexpr const char *WaitingForWriter = "waiting for another program that is writing this game folder\u2026";
    static constexpr const char *WaitingForReaders = "waiting for another program that is reading this game folder\u2026";

private:
    int takeShared();

    std::string m_folder;
    PlatformFiles::Handle m_handle = PlatformFiles::NoHandle;
    bool m_exclusive = false;
};
