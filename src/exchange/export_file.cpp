#include "export_file.h"

#include "game_file_error.h"

void writeExportFile(const std::string &target, const std::function<void(FileOps::OutputFile &)> &writeBody)
{
    // Only a regular file is replaced: a folder, a pipe or a device under that name is reported.
    if (FileOps::exists(target) && !FileOps::isFile(target))
        throw GameFileError(target, FileOps::isFolder(target) ? FailureText::IsFolder : FailureText::NotRegular);
    FileOps::OutputFile out = FileOps::OutputFile::beside(target, "part");
    try {
        writeBody(out);
        // Exports are the user's own copies; the game files alone wait for the disk.
        out.close(FileOps::OutputFile::Durability::Cached);
        FileOps::renameReplacing(out.path(), target, target);
    } catch (...) {
        FileOps::removeQuietly(out.path());
        throw;
    }
}
