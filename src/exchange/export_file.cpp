#include "export_file.h"

#include <vector>

#include "game_file_error.h"

namespace {

bool isSeparator(char c)
{
#ifdef _WIN32
    return c == '\\' || c == '/';
#else
    return c == '/';
#endif
}

// The folder that holds folder; "" when the name has no folder above it.
std::string parentOf(std::string folder)
{
    while (folder.size() > 1 && isSeparator(folder.back()))
        folder.pop_back();
    for (std::size_t k = folder.size(); k-- > 0;)
        if (isSeparator(folder[k]))
            return folder.substr(0, k == 0 ? 1 : k);
    return {};
}

// A drive ("C:") or the root: there is nothing to make there.
bool isRoot(const std::string &folder)
{
    return parentOf(folder) == folder || (!folder.empty() && folder.back() == ':');
}

} // namespace

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

void makeFolderPath(const std::string &folder)
{
    std::vector<std::string> missing;
    for (std::string step = folder; !step.empty() && !isRoot(step) && !FileOps::isFolder(step); step = parentOf(step))
        missing.push_back(step);
    for (auto it = missing.rbegin(); it != missing.rend(); ++it)
        FileOps::makeFolder(*it);
}
