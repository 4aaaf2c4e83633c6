// Switching installed mods on and off, putting them in another order and keeping profiles of
// them, applied at once.
#include "cli_commands.h"
#include "cli_context.h"
#include "game_file_error.h"
#include "installed_mods.h"

namespace {

std::string quoted(const std::string &name)
{
    return "\"" + name + "\"";
}

std::string changeText(const std::vector<PictureKey> &changed)
{
    std::vector<std::string> names;
    for (const PictureKey &key : changed)
        names.push_back(key.caption());
    return std::to_string(names.size()) + (names.size() == 1 ? " picture changes" : " pictures change")
           + (names.empty() ? std::string() : ": " + shortList(names));
}

int switchMod(const CliContext &context, bool enabled)
{
    const std::string &folder = context.args.operands[0];
    const std::string &name = context.args.operands[1];
    Catalogue c = CliSteps::load(context, folder, LoadPurpose::Editing);
    InstalledMods record = InstalledMods::load(folder);
    const std::size_t mod = CliSteps::placeOfMod(record, name, folder);
    const char *state = enabled ? "on" : "off";
    if (record.mods()[mod].enabled == enabled) {
        context.out << quoted(name) << " is " << state << " already; nothing was changed.\n";
        return CliCommands::Success;
    }
    const std::vector<PictureKey> changed = record.setEnabled(c, mod, enabled);
    context.out << "Switching " << state << " " << quoted(name) << ": " << changeText(changed) << "\n";
    CliSteps::apply(context, c, record.pendingFiles());
    record.committed();
    context.out << "Switched " << state << " " << quoted(name) << ".\n";
    return CliCommands::Success;
}

} // namespace

int CliCommands::enable(const CliContext &context)
{
    return switchMod(context, true);
}

int CliCommands::disable(const CliContext &context)
{
    return switchMod(context, false);
}

int CliCommands::move(const CliContext &context)
{
    const CliArguments &args = context.args;
    const std::string &folder = args.operands[0];
    const std::string &name = args.operands[1];
    Catalogue c = CliSteps::load(context, folder, LoadPurpose::Editing);
    InstalledMods record = InstalledMods::load(folder);
    const std::size_t mod = CliSteps::placeOfMod(record, name, folder);
    const std::size_t count = record.mods().size();
    std::size_t to = 0;
    if (args.to > 0) {
        if (std::size_t(args.to) > count)
            throw GameFileError(folder, "there is no place " + std::to_string(args.to) + " (" + std::to_string(count)
                                            + (count == 1 ? " mod is" : " mods are") + " installed); nothing was changed");
        to = std::size_t(args.to) - 1;
    } else {
        const std::string &other = args.above.empty() ? args.below : args.above;
        if (other == name)
            throw UsageError("a mod can't be moved " + std::string(args.above.empty() ? "below" : "above") + " itself");
        const std::size_t at = CliSteps::placeOfMod(record, other, folder);
        // Taken out first, the mod leaves a gap below it that the places above close.
        const std::size_t without = at > mod ? at - 1 : at;
        to = args.above.empty() ? without : without + 1;
    }
    if (to == mod) {
        context.out << quoted(name) << " is at place " << mod + 1 << " already; nothing was changed.\n";
        return Success;
    }
    const std::vector<PictureKey> changed = record.move(c, mod, to);
    context.out << "Moving " << quoted(name) << " to place " << to + 1 << " of " << count << ": " << changeText(changed) << "\n";
    CliSteps::apply(context, c, record.pendingFiles());
    record.committed();
    context.out << "Moved " << quoted(name) << ".\n";
    return Success;
}

int CliCommands::profiles(const CliContext &context)
{
    const std::string &folder = context.args.operands[0];
    const InstalledMods record = InstalledMods::load(folder);
    if (record.profiles().empty()) {
        context.out << "No profile is kept in " << folder << " (profile GAME_FOLDER save NAME keeps the mods on now as one).\n";
        return Success;
    }
    for (std::size_t k = 0; k < record.profiles().size(); ++k) {
        const ModProfile &profile = record.profiles()[k];
        std::vector<std::string> names;
        for (const std::string &mod : profile.mods)
            names.push_back(quoted(mod));
        context.out << k + 1 << ". " << quoted(profile.name) << (record.inUse(profile) ? " (in use)" : "") << ": "
                    << (names.empty() ? std::string("no mod on") : shortList(names, 20)) << "\n";
    }
    return Success;
}

int CliCommands::profile(const CliContext &context)
{
    const std::string &folder = context.args.operands[0];
    const std::string &action = context.args.operands[1];
    const std::string &name = context.args.operands[2];
    if (action != "save" && action != "use")
        throw UsageError("profile takes save NAME or use NAME, not \"" + action + "\"");
    Catalogue c = CliSteps::load(context, folder, action == "save" ? LoadPurpose::Reading : LoadPurpose::Editing);
    InstalledMods record = InstalledMods::load(folder);
    if (record.mods().empty())
        throw GameFileError(folder, "no mod is installed, so there is no profile to " + action + "; nothing was changed");
    if (action == "save") {
        record.saveProfile(name);
        CliSteps::apply(context, c, record.pendingFiles());
        record.committed();
        const ModProfile &saved = record.profiles()[std::size_t(record.findProfile(name))];
        context.out << "Saved the profile " << quoted(name) << ": " << saved.mods.size() << (saved.mods.size() == 1 ? " mod" : " mods")
                    << " on.\n";
        return Success;
    }
    if (record.findProfile(name) < 0) {
        std::vector<std::string> names;
        for (const ModProfile &kept : record.profiles())
            names.push_back(quoted(kept.name));
        throw GameFileError(folder, "there is no profile named " + quoted(name)
                                        + (names.empty() ? std::string(" (none is kept)") : "; kept: " + shortList(names)) + "; nothing was changed");
    }
    const std::vector<PictureKey> changed = record.useProfile(c, name);
    context.out << "Using the profile " << quoted(name) << ": " << changeText(changed) << "\n";
    CliSteps::apply(context, c, record.pendingFiles());
    record.committed();
    context.out << "Now using " << quoted(name) << ".\n";
    return Success;
}
