#pragma once

#include <functional>
#include <string>

#include "file_ops.h"

// Writes an exported file through a temporary file beside target, moved into place only when
// complete, so that a failure never leaves a partial file under the chosen name (an older file
// of that name then stays as it was). Throws GameFileError naming target.
void writeExportFile(const std::string &target, const std::function<void(FileOps::OutputFile &)> &writeBody);

// Makes folder and every missing folder above it, as an export into a new folder needs.
// Throws GameFileError naming the first one that can't be made.
void makeFolderPath(const std::string &folder);
