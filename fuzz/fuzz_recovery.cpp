// Settles a game folder left as a crashed or crafted write-back might leave it: a record of
// moves (built from the input, or the input's own text) and game, new and set-aside files that
// are there, missing, torn, or links to a file outside the folder. Whatever settling does, it
// must touch nothing outside the game folder, and a game file may only disappear when the
// record's set-aside copy of it was there to stand for it.
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include <sys/stat.h>

#include "folder_recovery.h"
#include "game_file_error.h"
#include "game_paths.h"
#include "scratch_folder.h"
#include "write_journal.h"

namespace fs = std::filesystem;

namespace {

const std::vector<std::string> Targets{"images/1.gpi", "images/2.gpi", "images/3.gpi", "Gp2001.gph", "fonts/badfont1000.gpf"};
const std::string Tag = ".tessary-7-0123456789abcdef";

// The input read a byte at a time; past its end, zeros.
struct Bytes {
    const std::uint8_t *data;
    std::size_t size;
    std::size_t at = 0;
    unsigned next() { return at < size ? data[at++] : 0; }
};

// Everything below root: each entry's kind, permission bits, link target and content.
std::map<std::string, std::string> stateOf(const fs::path &root)
{
    std::map<std::string, std::string> state;
    for (const auto &entry : fs::recursive_directory_iterator(root)) {
        const fs::file_status status = entry.symlink_status();
        std::string what = std::to_string(int(status.type())) + " " + std::to_string(int(status.permissions()));
        if (fs::is_symlink(status))
            what += fs::read_symlink(entry.path()).string();
        else if (fs::is_regular_file(status))
            what += std::to_string(fs::file_size(entry.path()));
        state[entry.path().string()] = what;
    }
    return state;
}

// Puts something at path: 0 nothing, 1 a whole file of size bytes, 2 a torn one, 3 a link
// to the outside victim, 4 a folder.
void plant(const fs::path &path, unsigned kind, std::size_t size, const fs::path &victim)
{
    switch (kind % 5) {
    case 0: break;
    case 1: {
        const std::string bytes(size, 'n');
        writeScratchFile(path.string(), reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size());
        break;
    }
    case 2: writeScratchFile(path.string(), reinterpret_cast<const std::uint8_t *>("t"), 1); break;
    case 3: fs::create_symlink(victim, path); break;
    case 4: fs::create_directory(path); break;
    }
}

bool plainFile(const fs::path &path)
{
    std::error_code error;
    return fs::is_regular_file(fs::symlink_status(path, error));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const fs::path base = scratchGameFolder();
    const fs::path root = base / "game", outside = base / "outside", victim = outside / "victim";
    const fs::path dataFolder = GamePaths::dataFolder(root.string());
    fs::remove_all(root);
    fs::remove_all(outside);
    fs::create_directories(dataFolder / "images");
    fs::create_directories(dataFolder / "fonts");
    fs::create_directories(outside);
    writeScratchFile(victim.string(), reinterpret_cast<const std::uint8_t *>("mine"), 4);
    ::chmod(victim.c_str(), 0444);

    Bytes input{data, size};
    std::vector<JournalEntry> entries;
    const unsigned count = input.next() % 6;
    for (unsigned k = 0; k < count; ++k) {
        const std::string target = Targets[input.next() % Targets.size()];
        const unsigned states = input.next(), sizeByte = input.next();
        const bool withAside = (states & 0x80) != 0;
        JournalEntry entry{target, target + Tag + std::to_string(k) + ".new", withAside ? target + Tag + std::to_string(k) + ".old" : "",
                           sizeByte % 16};
        // Files planted only once; a target named twice keeps its first state.
        if (!fs::exists(fs::symlink_status(dataFolder / target)))
            plant(dataFolder / target, states & 7, 5, victim);
        plant(dataFolder / entry.staged, (states >> 3) & 7, entry.stagedSize, victim);
        if (withAside)
            plant(dataFolder / entry.aside, (states >> 6) & 1 ? 1 : (sizeByte >> 4) % 5, 5, victim);
        entries.push_back(entry);
    }
    // A stray name of Tessary's own, with no record behind it.
    plant(dataFolder / ("images/2.gpi" + Tag + "9.old"), input.next(), 3, victim);
    // The rest of the input, if any, replaces the record's text from a point onwards.
    std::string text = WriteJournal::encode(entries);
    if (input.at < size) {
        const std::size_t from = input.next() * text.size() / 256;
        text = text.substr(0, from) + std::string(reinterpret_cast<const char *>(data + input.at), size - input.at);
    }
    if (count > 0 || input.at < size)
        writeScratchFile(GamePaths::journal(root.string()), reinterpret_cast<const std::uint8_t *>(text.data()), text.size());

    std::vector<JournalEntry> recorded;
    try {
        recorded = WriteJournal::parse("journal", text);
    } catch (const GameFileError &) {
    }
    std::map<std::string, bool> gameBefore, asideBefore;
    for (const std::string &target : Targets)
        gameBefore[target] = plainFile(dataFolder / target);
    for (const JournalEntry &entry : recorded)
        if (!entry.aside.empty())
            asideBefore[entry.target] = plainFile(dataFolder / entry.aside);
    const auto outsideBefore = stateOf(outside);

    try {
        FolderRecovery::settle(root.string());
    } catch (const GameFileError &) {
    }

    if (stateOf(outside) != outsideBefore)
        std::abort(); // something outside the game folder was touched
    for (const auto &[target, existed] : gameBefore)
        if (existed && !plainFile(dataFolder / target) && !asideBefore[target])
            std::abort(); // a game file went with no copy of it set aside
    return 0;
}
