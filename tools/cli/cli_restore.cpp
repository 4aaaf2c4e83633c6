#include <algorithm>
#include <cctype>

#include "cli_commands.h"
#include "cli_context.h"
#include "game_file_error.h"
#include "installed_mods.h"
#include "kept_originals.h"
#include "write_back.h"

namespace {

std::string lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

// A font named by its file name, with or without ".gpf"; -1 for none.
int fontNamed(const std::string &name)
{
    for (int i = 0; i < FontCount; ++i) {
        const std::string font = lower(FontNames[std::size_t(i)]);
        if (lower(name) == font || lower(name) + ".gpf" == font)
            return i;
    }
    return -1;
}

bool isNumber(const std::string &text)
{
    return !text.empty() && text.size() <= 9 && std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

} // namespace

int CliCommands::restore(const CliContext &context)
{
    const CliArguments &args = context.args;
    const std::string &folder = args.operands.front();
    std::vector<int> images;
    std::vector<int> fonts;
    for (std::size_t k = 1; k < args.operands.size(); ++k) {
        const std::string &picture = args.operands[k];
        if (isNumber(picture))
            images.push_back(std::stoi(picture));
        else if (fontNamed(picture) >= 0)
            fonts.push_back(fontNamed(picture));
        else
            throw UsageError("\"" + picture + "\" is neither an image number nor a font file name");
    }

    Catalogue c = CliSteps::load(context, folder, LoadPurpose::Editing, CliSteps::Images::OnDemand);
    for (int n : images)
        if (!c.isImage(n))
            throw GameFileError(folder, "there is no image " + std::to_string(n) + " (the game folder has images 1 to "
                                            + std::to_string(c.ImageCount - 1) + "); nothing was changed");
    if (args.all) {
        // A record of installed mods that lists none (a write-back cut off at the end of the last
        // uninstall leaves one) goes, as the game shipped no such folder.
        try {
            InstalledMods::load(folder).tidy();
        } catch (const GameFileError &) {
            // A damaged record stays for "mods" to report; restoring goes on.
        }
        // Kept image files, and entries a mod's index changed for images whose files it left alone.
        const std::vector<int> otherEntries = KeptOriginals::imagesWithOtherEntries(c);
        for (int n = 1; n < c.ImageCount; ++n)
            if (KeptOriginals::holdsImage(folder, n) || std::binary_search(otherEntries.begin(), otherEntries.end(), n))
                images.push_back(n);
        for (int i = 0; i < FontCount; ++i)
            if (KeptOriginals::holdsFont(folder, i))
                fonts.push_back(i);
    }
    c.loadImages(images);
    std::vector<std::string> restored;
    for (int n : images)
        if (KeptOriginals::restoreImage(c, n))
            restored.push_back(std::to_string(n) + ".gpi");
    for (int i : fonts)
        if (KeptOriginals::restoreFont(c, i))
            restored.push_back(FontNames[std::size_t(i)]);
    if (!c.hasChanges()) {
        context.out << "Nothing to restore: " << (args.all ? "the game folder holds" : "these pictures are") << " the game's originals.\n";
        return Success;
    }
    context.out << "Restored the game's originals of " << restored.size() << (restored.size() == 1 ? " picture" : " pictures")
                << ": " << shortList(restored) << "\n";
    CliSteps::apply(context, c);
    return Success;
}
