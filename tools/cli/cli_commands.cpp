#include "cli_commands.h"

#include <exception>
#include <ostream>

#include "catalogue.h"
#include "cli_context.h"
#include "folder_lock.h"
#include "interruption.h"
#include "write_back.h"

namespace CliCommands {

const char *const Usage =
    "Usage: tessary-cli COMMAND GAME_FOLDER [ARGUMENTS] [OPTIONS]\n"
    "Reads and changes the menu images and font sheets of a Grand Prix 4 game folder.\n"
    "\n"
    "Commands:\n"
    "  check GAME_FOLDER\n"
    "      load the index, every image and the fonts; print their counts\n"
    "  list GAME_FOLDER [--json]\n"
    "      one line per image and font: size, bytes, and whether it differs from\n"
    "      the game's original that Tessary keeps\n"
    "  export GAME_FOLDER OUTDIR [--format tga|png] [--images N,M-K] [--fonts]\n"
    "      write pictures as the window does: 001.tga ... (or .png), and the font\n"
    "      sheets as New_Font1000.gpf.tga ...; all images unless --images or\n"
    "      --fonts choose\n"
    "  import GAME_FOLDER INDIR [--dry-run] [--force]\n"
    "      replace every picture a file of INDIR names (001.tga, 1.png,\n"
    "      New_Font1000.gpf.png, ...), then apply; nothing is applied when a file\n"
    "      is refused; --dry-run only tells what would happen\n"
    "  restore GAME_FOLDER --all | N... [--force]\n"
    "      put back the game's originals (images by number, fonts by file name),\n"
    "      then apply\n"
    "  rewrite GAME_FOLDER [--force]\n"
    "      write every file back through the same safe commit\n"
    "  pack GAME_FOLDER OUT.zip [--name N] [--author A] [--description D]\n"
    "                           [--include-mods]\n"
    "      write every picture of your own that differs from the game's original\n"
    "      into a mod package that anyone can install; --include-mods puts in the\n"
    "      installed mods' pictures too, naming each one's mod and author\n"
    "  install GAME_FOLDER MOD [--name NAME] [--update] [--dry-run] [--force]\n"
    "      install a mod package, an archive (.zip, .7z, .rar, .tar.*) or a folder\n"
    "      laid out as the game folder or holding pictures, on top of the others,\n"
    "      then apply; --name gives it a name of its own; --update replaces a mod\n"
    "      of the same name in its place; --dry-run only tells what it would change\n"
    "  mods GAME_FOLDER [--json]\n"
    "      the installed mods from the bottom up, whether each is on, and which of\n"
    "      their pictures a later mod or edit covers\n"
    "  uninstall GAME_FOLDER NAME [--force]\n"
    "      take an installed mod out of the library: its pictures show what lies\n"
    "      below (an earlier mod's, your own, or the game's original), then apply\n"
    "  enable GAME_FOLDER NAME [--force]\n"
    "  disable GAME_FOLDER NAME [--force]\n"
    "      switch an installed mod on or off, keeping it in the library, then apply\n"
    "  move GAME_FOLDER NAME --to N | --above OTHER | --below OTHER [--force]\n"
    "      put an installed mod at place N as mods counts them (1 the bottom), or\n"
    "      right above or below another, then apply\n"
    "  profiles GAME_FOLDER\n"
    "      the profiles kept: named sets of mods to switch on, in their order\n"
    "  profile GAME_FOLDER save NAME | use NAME [--force]\n"
    "      keep the mods on now, in their order, as the profile NAME; or switch\n"
    "      the profile's mods on in its order and the others off, then apply\n"
    "\n"
    "Options:\n"
    "  --force    overwrite game files another program changed since they were\n"
    "             loaded\n"
    "  --help     print this help;  --version  print the version\n"
    "  --         end of options: what follows is a folder name, even if it starts\n"
    "             with '-'\n"
    "\n"
    "While another program writes the game folder, a command waits for it up to\n"
    "10 seconds, saying so on standard error.\n"
    "\n"
    "Exit codes:\n"
    "  0  success\n"
    "  1  an error; the game folder is left as it was (an export names the files\n"
    "     it had written before the error, which stay in OUTDIR)\n"
    "  2  a command line it can't run\n"
    "  130  interrupted (Ctrl-C): the command's unfinished files are removed, and a\n"
    "     write-back already moving files into place finishes first\n";

namespace {

int imagesOf(const Catalogue &c) { return c.ImageCount > 1 ? c.ImageCount - 1 : 0; }

int check(const CliContext &context)
{
    const std::string &folder = context.args.operands.front();
    const Catalogue c = CliSteps::load(context, folder, LoadPurpose::Reading);
    context.out << "Game folder: " << folder << "\n"
                << "Images: " << imagesOf(c) << "\n"
                << "Fonts: " << FontCount << "\n"
                << "Total bytes: " << c.totalBytes() << "\n";
    return Success;
}

int rewrite(const CliContext &context)
{
    const std::string &folder = context.args.operands.front();
    Catalogue c = CliSteps::load(context, folder, LoadPurpose::Editing);
    CliSteps::write(context, c, WriteBackOptions::Scope::Everything);
    context.out << "Wrote back " << imagesOf(c) << " images, the index and " << FontCount << " fonts to " << folder << " ("
                << c.totalBytes() << " bytes)\n";
    return Success;
}

} // namespace

int run(const std::vector<std::string> &args, std::ostream &out, std::ostream &err, bool progressShown)
{
    CliArguments parsed;
    try {
        parsed = parseCliArguments(args);
    } catch (const UsageError &error) {
        err << Usage << "\ntessary-cli: " << error.what() << "\n";
        return BadArguments;
    }
    TerminalProgress progress(err, progressShown);
    const CliContext context{parsed, out, err, progress};
    FolderLock::waitNotice = [&progress, &err](const std::string &sentence) {
        progress.finish();
        err << sentence << std::endl;
    };
    struct NoticeEnds {
        ~NoticeEnds() { FolderLock::waitNotice = nullptr; }
    } noticeEnds;
    try {
        if (parsed.command == "check")
            return check(context);
        if (parsed.command == "rewrite")
            return rewrite(context);
        if (parsed.command == "list")
            return list(context);
        if (parsed.command == "export")
            return exportPictures(context);
        if (parsed.command == "import")
            return importPictures(context);
        if (parsed.command == "pack")
            return pack(context);
        if (parsed.command == "install")
            return install(context);
        if (parsed.command == "mods")
            return mods(context);
        if (parsed.command == "uninstall")
            return uninstall(context);
        if (parsed.command == "enable")
            return enable(context);
        if (parsed.command == "disable")
            return disable(context);
        if (parsed.command == "move")
            return move(context);
        if (parsed.command == "profiles")
            return profiles(context);
        if (parsed.command == "profile")
            return profile(context);
        return restore(context);
    } catch (const UsageError &error) {
        progress.finish();
        err << Usage << "\ntessary-cli: " << error.what() << "\n";
        return BadArguments;
    } catch (const Interruption::Interrupted &stopped) {
        // Stopped before a write-back moved anything: its unfinished files went as it unwound.
        progress.finish();
        err << "tessary-cli: " << stopped.what() << (stopped.text == Interruption::Interrupted().text ? "; nothing was changed" : "")
            << "\n";
        return Interrupted;
    } catch (const GameFileError &error) {
        progress.finish();
        err << error.what() << "\n";
        return Interruption::requested() ? Interrupted : Failure; // a wait for the lock given up
    } catch (const std::bad_alloc &) {
        // A write-back that runs out of memory removes what it staged: the folder is as it was.
        progress.finish();
        err << (parsed.operands.empty() ? std::string("tessary-cli") : parsed.operands.front()) << ": there is not enough memory to finish "
            << parsed.command << "; a write-back it began is undone whole\n";
        return Failure;
    } catch (const std::exception &error) {
        progress.finish();
        err << (parsed.operands.empty() ? std::string("tessary-cli") : parsed.operands.front()) << ": " << parsed.command
            << " stopped on a fault of tessary-cli's own (" << error.what() << "); please report it\n";
        return Interruption::requested() ? Interrupted : Failure;
    }
}

} // namespace CliCommands
