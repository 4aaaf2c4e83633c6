#pragma once

#include <ostream>
#include <string>

#include "catalogue.h"
#include "cli_arguments.h"
#include "terminal_progress.h"
#include "write_back.h"

class InstalledMods;

// What each command of tessary-cli works with: its arguments, its two streams and the progress bar.
struct CliContext {
    const CliArguments &args;
    std::ostream &out;
    std::ostream &err;
    TerminalProgress &progress;
};

// The steps the commands share.
namespace CliSteps {

// Loads a game folder with the progress bar; the sentence about an interrupted write-back that
// was settled goes to out (to err when out carries JSON). A command that only reads loads for
// reading, which leaves the files' attributes alone. Images are all read, or (OnDemand) none:
// a command that changes a few pictures reads those with Catalogue::loadImages.
enum class Images { All, OnDemand };
Catalogue load(const CliContext &context, const std::string &folder, LoadPurpose purpose, Images images = Images::All);
// "Apply All Changes" over scope, with the progress bar and --force, writing the record of
// installed mods' files too; tells what settling an earlier write-back did and which files
// another program's changes kept untouched.
WriteBackReport write(const CliContext &context, Catalogue &catalogue, WriteBackOptions::Scope scope,
                      std::vector<ModRecordFile> records = {});
// write() of what the command changed in the catalogue (and the record); prints which files were written.
void apply(const CliContext &context, Catalogue &catalogue, std::vector<ModRecordFile> records = {});
// The place of the installed mod named name; throws GameFileError naming folder and the mods installed.
std::size_t placeOfMod(const InstalledMods &record, const std::string &name, const std::string &folder);

} // namespace CliSteps

// The commands; each returns the program's exit code and throws what it can't handle itself.
namespace CliCommands {
int list(const CliContext &context);
int exportPictures(const CliContext &context);
int importPictures(const CliContext &context);
int restore(const CliContext &context);
int pack(const CliContext &context);
int install(const CliContext &context);
int mods(const CliContext &context);
int uninstall(const CliContext &context);
int enable(const CliContext &context);
int disable(const CliContext &context);
int move(const CliContext &context);
int profiles(const CliContext &context);
int profile(const CliContext &context);
} // namespace CliCommands
