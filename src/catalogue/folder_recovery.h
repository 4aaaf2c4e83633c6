#pragma once

#include <string>

#include "folder_lock.h"

// What an earlier write-back may have left in a game folder when it was cut short (a crash, a
// kill, a power cut): a journal of moves under way, finished files never moved into place,
// originals moved aside. Settled whenever a folder is opened, before anything is read.
namespace FolderRecovery {

// Finishes or undoes the moves of a journal left behind (finished when every new file is
// whole, undone otherwise) and removes files a write-back left unfinished. The caller holds the
// folder's lock alone. Returns what it did for the user, or an empty message when there was
// nothing to do. Throws GameFileError when the folder can't be settled.
Message settle(const std::string &gp4Path);

// The folder opened for reading: its lock, held shared, and what settling it did.
struct Opened {
    FolderLock lock;
    Message settled;
};

// Takes the folder's lock for reading, settling what an earlier write-back left first.
Opened openForReading(const std::string &gp4Path);

} // namespace FolderRecovery
