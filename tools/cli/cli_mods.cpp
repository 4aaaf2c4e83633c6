#include <ctime>

#include "cli_commands.h"
#include "cli_context.h"
#include "export_file.h"
#include "game_file_error.h"
#include "install_preview.h"
#include "installed_mods.h"
#include "json_value.h"
#include "mod_contents.h"
#include "mod_package_writer.h"
#include "picture_names.h"
#include "png_codec.h"

namespace {

std::string count(std::size_t n, const char *one, const char *many)
{
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

std::string quoted(const std::string &name)
{
    return "\"" + name + "\"";
}

const char *kindText(ModKind kind)
{
    switch (kind) {
    case ModKind::Package: return "a Tessary mod package";
    case ModKind::GameLayout: return "laid out as the game folder";
    case ModKind::Pictures: return "a set of pictures";
    }
    return "";
}

// The name a package gets when none is given: its file's name without ".zip".
std::string nameFromFile(const std::string &path)
{
    std::string name = PictureNames::fileNameOf(path);
    if (name.size() > 4 && (name.ends_with(".zip") || name.ends_with(".ZIP")))
        name.resize(name.size() - 4);
    return name;
}

std::string coverText(const CoveredPicture &cover)
{
    return cover.key.caption() + " (by " + (cover.byMod >= 0 ? quoted(cover.byName) : std::string("an edit")) + ")";
}

std::vector<std::string> captions(const std::vector<PictureKey> &keys)
{
    std::vector<std::string> names;
    for (const PictureKey &key : keys)
        names.push_back(key.caption());
    return names;
}

} // namespace

std::size_t CliSteps::placeOfMod(const InstalledMods &record, const std::string &name, const std::string &folder)
{
    const int mod = record.find(name);
    if (mod >= 0)
        return std::size_t(mod);
    std::vector<std::string> names;
    for (const InstalledMod &installed : record.mods())
        names.push_back(quoted(installed.name));
    throw GameFileError(folder, "no mod named " + quoted(name) + " is installed"
                                    + (names.empty() ? std::string(" (none is)") : "; installed: " + shortList(names)));
}

int CliCommands::pack(const CliContext &context)
{
    const CliArguments &args = context.args;
    const std::string &folder = args.operands[0];
    const std::string &out = args.operands[1];
    const Catalogue c = CliSteps::load(context, folder, LoadPurpose::Reading);
    const PackDetails details{args.name.empty() ? nameFromFile(out) : args.name, args.author, args.description, std::time(nullptr),
                              InstalledMods::load(folder).shownPictures(c), args.includeMods};
    const PackedMod packed = ModPackageWriter::pack(c, details, PngCodec::make(),
                                                    [&context](int done, int total) { context.progress.show("Packing", done, total); });
    writeExportFile(out, [&packed](FileOps::OutputFile &file) { file.write(packed.zip.data(), packed.zip.size()); });
    context.progress.finish();
    std::vector<std::string> names;
    for (const ModPicture &picture : packed.manifest.pictures)
        names.push_back(picture.caption());
    context.out << "Packed " << count(names.size(), "picture", "pictures") << " into " << out << " (" << packed.zip.size()
                << " bytes): " << shortList(names) << "\n";
    std::vector<std::string> credited, leftOut;
    for (const ModPicture &picture : packed.manifest.pictures)
        if (!picture.fromMod.empty())
            credited.push_back(picture.caption() + " (" + quoted(picture.fromMod) + (picture.fromModAuthor.empty() ? "" : " by " + picture.fromModAuthor) + ")");
    for (const PackModPicture &picture : packed.leftOut)
        leftOut.push_back(picture.key.caption() + " (" + quoted(picture.mod) + ")");
    if (!credited.empty())
        context.out << count(credited.size(), "picture is", "pictures are") << " an installed mod's, named so in the package: "
                    << shortList(credited) << "\n";
    if (!leftOut.empty())
        context.out << "Left out " << count(leftOut.size(), "picture", "pictures") << " that installed mods set (--include-mods puts them in): "
                    << shortList(leftOut) << "\n";
    return Success;
}

int CliCommands::install(const CliContext &context)
{
    const CliArguments &args = context.args;
    const std::string &folder = args.operands[0];
    const std::string &source = args.operands[1];
    Catalogue c = CliSteps::load(context, folder, args.dryRun ? LoadPurpose::Reading : LoadPurpose::Editing);
    InstalledMods record = InstalledMods::load(folder);
    ModContents contents;
    std::vector<InstallPreviewItem> preview;
    try {
        contents = ModContentsReader::read(source, c, PngCodec::make());
        if (!args.name.empty())
            contents.name = args.name; // two packs both called pictures.zip need not clash
        preview = InstallPreview::of(c, record, contents, args.update);
    } catch (const GameFileError &refused) {
        throw GameFileError(refused.path(), Message::joined(refused.why(), FailureText::NothingChanged));
    }

    std::vector<std::string> changing, same;
    context.out << "Mod " << quoted(contents.name) << (contents.author.empty() ? "" : " by " + contents.author) << ", "
                << kindText(contents.kind) << ": " << count(preview.size(), "picture", "pictures") << "\n";
    for (const InstallPreviewItem &item : preview) {
        (item.changes ? changing : same).push_back(item.key.caption());
        if (item.takesMod >= 0)
            context.out << "  " << item.key.caption() << " covers the picture of the mod "
                        << quoted(record.mods()[std::size_t(item.takesMod)].name) << "\n";
        else if (item.takesOwn)
            context.out << "  " << item.key.caption() << " covers a picture of your own (uninstalling the mod gives it back)\n";
    }
    if (!changing.empty())
        context.out << count(changing.size(), "picture changes", "pictures change") << ": " << shortList(changing) << "\n";
    if (!same.empty())
        context.out << count(same.size(), "picture is", "pictures are") << " the same as the game folder's already: " << shortList(same) << "\n";
    for (const Message &note : contents.notes)
        context.out << note.english() << "\n";
    if (args.dryRun) {
        context.out << "Dry run: nothing was changed.\n";
        return Success;
    }
    const std::string name = contents.name;
    const int replaced = args.update ? record.find(name) : -1;
    if (replaced >= 0)
        record.update(c, std::size_t(replaced), std::move(contents), std::time(nullptr));
    else
        record.install(c, std::move(contents), std::time(nullptr));
    CliSteps::apply(context, c, record.pendingFiles());
    record.committed();
    if (replaced >= 0)
        context.out << "Updated " << quoted(name) << " in its place (" << replaced + 1 << " of " << record.mods().size() << ").\n";
    else
        context.out << "Installed " << quoted(name) << ".\n";
    return Success;
}

int CliCommands::mods(const CliContext &context)
{
    const std::string &folder = context.args.operands.front();
    const Catalogue c = CliSteps::load(context, folder, LoadPurpose::Reading);
    const InstalledMods record = InstalledMods::load(folder);
    if (context.args.json) {
        JsonValue::Array list;
        const std::vector<std::vector<CoveredPicture>> coveredEach = record.coveredEach(c);
        for (std::size_t k = 0; k < record.mods().size(); ++k) {
            const InstalledMod &mod = record.mods()[k];
            JsonValue::Array pictures, covered;
            for (const RecordedPicture &picture : mod.pictures)
                pictures.emplace_back(picture.key.caption());
            for (const CoveredPicture &cover : coveredEach[k])
                covered.emplace_back(JsonValue::Object{
                    {"picture", cover.key.caption()},
                    {"by", cover.byMod >= 0 ? JsonValue(cover.byName) : JsonValue()}});
            list.emplace_back(JsonValue::Object{{"name", mod.name}, {"enabled", mod.enabled}, {"author", mod.author}, {"description", mod.description},
                                                {"created", mod.created}, {"installed", mod.installed}, {"source", mod.source},
                                                {"pictures", std::move(pictures)}, {"covered", std::move(covered)}});
        }
        context.out << JsonValue(JsonValue::Object{{"folder", folder}, {"mods", std::move(list)}}).dump();
        return Success;
    }
    if (record.mods().empty()) {
        context.out << "No mod is installed in " << folder << ".\n";
        return Success;
    }
    const std::vector<std::vector<CoveredPicture>> coveredEach = record.coveredEach(c);
    for (std::size_t k = 0; k < record.mods().size(); ++k) {
        const InstalledMod &mod = record.mods()[k];
        context.out << k + 1 << ". " << quoted(mod.name) << (mod.enabled ? "" : " (off)") << (mod.author.empty() ? "" : " by " + mod.author) << ", installed "
                    << mod.installed << " from " << mod.source << ": " << count(mod.pictures.size(), "picture", "pictures") << "\n";
        std::vector<std::string> covers;
        for (const CoveredPicture &cover : coveredEach[k])
            covers.push_back(coverText(cover));
        if (!covers.empty())
            context.out << "   covered: " << shortList(covers, 20) << "\n";
    }
    return Success;
}

int CliCommands::uninstall(const CliContext &context)
{
    const std::string &folder = context.args.operands[0];
    const std::string &name = context.args.operands[1];
    Catalogue c = CliSteps::load(context, folder, LoadPurpose::Editing);
    InstalledMods record = InstalledMods::load(folder);
    const std::size_t mod = CliSteps::placeOfMod(record, name, folder);
    const UninstallResult result = record.uninstall(c, mod);
    context.out << "Uninstalling " << quoted(name) << ": " << count(result.restored.size(), "picture goes", "pictures go")
                << " back to what lies below" << (result.restored.empty() ? "" : ": " + shortList(captions(result.restored))) << "\n";
    if (!result.leftAlone.empty()) {
        std::vector<std::string> covers;
        for (const CoveredPicture &cover : result.leftAlone)
            covers.push_back(coverText(cover));
        context.out << count(covers.size(), "picture stays", "pictures stay") << " as it is, covered since: " << shortList(covers) << "\n";
    }
    CliSteps::apply(context, c, record.pendingFiles());
    record.committed();
    context.out << "Uninstalled " << quoted(name) << ".\n";
    return Success;
}
