#include "folder_lock.h"

#include <chrono>
#include <thread>
#include <utility>

#include "game_file_error.h"
#include "game_paths.h"
#include "interruption.h"

namespace PF = PlatformFiles;

namespace {

using namespace std::chrono_literals;

// Readers hold the lock for the length of a load, a fraction of a second; a write-back of a
// large folder takes a few seconds.
constexpr std::chrono::milliseconds ReadersWait = 5s;
constexpr std::chrono::milliseconds WriterWait = 10s;
constexpr std::chrono::milliseconds Poll = 20ms;

// Tries kind until it is granted or the time is up; another error ends the wait at once. A wait
// is told to FolderLock::waitNotice with the sentence waiting.
int lockWithin(PF::Handle handle, PF::LockKind kind, std::chrono::milliseconds wait, const char *waiting)
{
    const auto until = std::chrono::steady_clock::now() + wait;
    for (bool told = false;; told = true) {
        const int error = PF::lock(handle, kind);
        if (error == 0 || !PF::isLockBusy(error) || std::chrono::steady_clock::now() >= until || Interruption::requested())
            return error;
        if (!told && FolderLock::waitNotice)
            FolderLock::waitNotice(waiting);
        std::this_thread::sleep_for(Poll);
    }
}

} // namespace

FolderLock::FolderLock(const std::string &gp4Path, Mode mode) : m_folder(GamePaths::dataFolder(gp4Path))
{
    const std::string lockFile = GamePaths::lockFile(gp4Path);
    const int openError = PF::open(lockFile, PF::Open::LockFile, m_handle);
    if (openError != 0) {
        m_handle = PF::NoHandle;
        if (mode == Mode::Read)
            return;
        throw GameFileError(lockFile, Message::joined(PF::describe(openError), FailureText::NothingChanged));
    }
    int error = 0;
    if (mode == Mode::Write) {
        error = PF::lock(m_handle, PF::LockKind::Exclusive);
        if (PF::isLockBusy(error)) {
            // Held by readers only, a shared lock is still granted: wait for them. Held by a
            // writer, it is not: refuse at once.
            if (PF::lock(m_handle, PF::LockKind::Shared) != 0) {
                PF::close(std::exchange(m_handle, PF::NoHandle));
                throw GameFileError(m_folder, writerBusy());
            }
            PF::lock(m_handle, PF::LockKind::Unlock);
            error = lockWithin(m_handle, PF::LockKind::Exclusive, ReadersWait, WaitingForReaders);
            if (PF::isLockBusy(error)) {
                PF::close(std::exchange(m_handle, PF::NoHandle));
                throw GameFileError(m_folder, Message::joined(readersBusy(), FailureText::NothingChanged));
            }
        }
        m_exclusive = error == 0;
    } else {
        error = PF::lock(m_handle, PF::LockKind::Exclusive);
        m_exclusive = error == 0;
        if (PF::isLockBusy(error))
            error = takeShared();
    }
    if (error != 0) {
        PF::close(std::exchange(m_handle, PF::NoHandle));
        // A file system without locks can still be read; it is never written unlocked.
        if (mode == Mode::Read)
            return;
        throw GameFileError(lockFile, Message::joined(PF::describe(error), FailureText::NothingChanged));
    }
}

Message FolderLock::writerBusy()
{
    return Message::joined(CORE_WORDING("CoreMessages", "another program is writing this game folder"), FailureText::NothingChanged);
}

Message FolderLock::readerBusy()
{
    return Message::joined(CORE_WORDING("CoreMessages", "another program is writing this game folder"),
                           CORE_WORDING("CoreMessages", "try again when it has finished"));
}

Message FolderLock::readersBusy()
{
    return Message::joined(CORE_WORDING("CoreMessages", "another program is reading this game folder"),
                           CORE_WORDING("CoreMessages", "try again in a moment"));
}

FolderLock::~FolderLock()
{
    if (m_handle != PF::NoHandle)
        PF::close(m_handle);
}

FolderLock::FolderLock(FolderLock &&other) noexcept
    : m_folder(std::move(other.m_folder)), m_handle(std::exchange(other.m_handle, PF::NoHandle)),
      m_exclusive(std::exchange(other.m_exclusive, false))
{
}

int FolderLock::takeShared()
{
    const int error = lockWithin(m_handle, PF::LockKind::Shared, WriterWait, WaitingForWriter);
    if (PF::isLockBusy(error)) {
        PF::close(std::exchange(m_handle, PF::NoHandle));
        throw GameFileError(m_folder, readerBusy());
    }
    return error;
}

bool FolderLock::waitExclusive()
{
    if (m_handle == PF::NoHandle || m_exclusive)
        return m_exclusive;
    // A lock is never turned from shared into exclusive in place: Windows can't, and two
    // readers doing it at once would wait on each other.
    PF::lock(m_handle, PF::LockKind::Unlock);
    m_exclusive = lockWithin(m_handle, PF::LockKind::Exclusive, ReadersWait, WaitingForReaders) == 0;
    if (!m_exclusive)
        takeShared();
    return m_exclusive;
}

void FolderLock::share()
{
    if (m_handle == PF::NoHandle || !m_exclusive)
        return;
    // Windows keeps an exclusive lock beside a shared one on the same bytes; release it first.
    PF::lock(m_handle, PF::LockKind::Unlock);
    m_exclusive = false;
    takeShared();
}
