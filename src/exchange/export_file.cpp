#include "export_file.h"

void writeExportFile(const std::string &target, const std::function<void(FileOps::OutputFile &)> &writeBody)
{
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
