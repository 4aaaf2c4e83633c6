#include <QDir>

#include "cli_commands.h"
#include "cli_context.h"
#include "core_path.h"
#include "folder_import.h"
#include "game_file_error.h"
#include "picture_files.h"

namespace {

std::string withSeparator(const std::string &folder)
{
    if (!folder.empty() && (folder.back() == '/' || folder.back() == '\\'))
        return folder;
    return folder + QDir::separator().toLatin1();
}

} // namespace

int CliCommands::exportPictures(const CliContext &context)
{
    const CliArguments &args = context.args;
    const std::string &folder = args.operands[0];
    const std::string &outdir = args.operands[1];
    const Catalogue c = CliSteps::load(context, folder, LoadPurpose::Reading);
    const std::vector<int> images = args.imagesGiven ? args.images : args.fonts ? std::vector<int>{} : PictureFiles::allImages(c);
    for (int n : images)
        if (!c.isImage(n))
            throw GameFileError(folder, "there is no image " + std::to_string(n) + " (the game folder has images 1 to "
                                            + std::to_string(c.ImageCount - 1) + "); nothing was exported");
    if (!QDir().mkpath(CorePath::toQt(outdir)))
        throw GameFileError(outdir, "the folder can't be made; nothing was exported");
    const PictureFiles::Format format = args.png ? PictureFiles::Format::Png : PictureFiles::Format::Tga;
    const int total = int(images.size());
    PictureFiles::exportImages(c, withSeparator(outdir), images, format,
                               [&context, total](int done) { context.progress.show("Exporting", done, total); });
    if (args.fonts)
        PictureFiles::exportFonts(c, withSeparator(outdir), format);
    context.progress.finish();
    context.out << "Exported " << images.size() << (images.size() == 1 ? " image" : " images")
                << (args.fonts ? " and 6 font sheets" : "") << " to " << outdir << " as " << PictureNames::extensionOf(format)
                << " files\n";
    return Success;
}

int CliCommands::importPictures(const CliContext &context)
{
    const CliArguments &args = context.args;
    const std::string &folder = args.operands[0];
    const std::string &indir = args.operands[1];
    Catalogue c = CliSteps::load(context, folder, LoadPurpose::Editing, CliSteps::Images::OnDemand);
    const FolderImportPlan plan = planFolderImport(picturesFolderFiles(indir), c, PictureKinds::Both);
    std::vector<int> matched;
    for (const FolderImportPlan::Match &match : plan.matches)
        if (!match.font)
            matched.push_back(match.number);
    c.loadImages(matched); // to tell an identical picture, and nothing more
    const FolderImportSummary summary = runFolderImport(
        c, plan, PictureFiles::reader(), [&context](int done, int total) { context.progress.show("Reading", done, total); },
        args.dryRun);
    context.progress.finish();
    context.out << summary.text(indir) << "\n";
    if (!summary.refused.empty()) {
        // A script gets all of its files in, or none: a refusal applies nothing.
        context.err << indir << ": " << summary.refused.size() << (summary.refused.size() == 1 ? " file was" : " files were")
                    << " refused; nothing was changed\n";
        return Failure;
    }
    if (args.dryRun) {
        context.out << "Dry run: nothing was changed.\n";
        return Success;
    }
    if (summary.imported.empty()) {
        context.out << "Nothing to apply.\n";
        return Success;
    }
    CliSteps::apply(context, c);
    return Success;
}
