#include <stdexcept>

#include "cli_commands.h"
#include "cli_context.h"
#include "export_file.h"
#include "folder_import.h"
#include "game_file_error.h"
#include "interruption.h"
#include "picture_files.h"
#include "tga_export.h"
#include "write_back.h"

namespace {

std::string withSeparator(const std::string &folder)
{
    if (!folder.empty() && (folder.back() == '/' || folder.back() == '\\'))
        return folder;
#ifdef _WIN32
    return folder + '\\';
#else
    return folder + '/';
#endif
}

// What an export that failed part of the way had written, for the end of its error message.
std::string writtenBefore(const std::vector<std::string> &written, const std::string &outdir, const char *before = "the error")
{
    if (written.empty())
        return "Nothing was exported.";
    return std::to_string(written.size()) + (written.size() == 1 ? " file was" : " files were") + " exported to " + outdir
        + " before " + before + " and left there: " + shortList(written);
}

} // namespace

int CliCommands::exportPictures(const CliContext &context)
{
    const CliArguments &args = context.args;
    const std::string &folder = args.operands[0];
    const std::string &outdir = args.operands[1];
    const Catalogue c = CliSteps::load(context, folder, LoadPurpose::Reading);
    const std::vector<int> images = args.imagesGiven ? expandImageList(args.images, c.ImageCount, folder)
                                    : args.fonts ? std::vector<int>{}
                                                 : PictureFiles::allImages(c);
    const PictureFiles::Format format = args.png ? PictureFiles::Format::Png : PictureFiles::Format::Tga;
    const std::string extension = PictureNames::extensionOf(format);
    // Files already written stay when a later one fails; the message names them.
    std::vector<std::string> written;
    try {
        makeFolderPath(outdir);
        const int total = int(images.size());
        PictureFiles::exportImages(c, withSeparator(outdir), images, format, [&](int done) {
            if (done > 1)
                written.push_back(threeDigitName(images[std::size_t(done - 2)]) + extension);
            context.progress.show("Exporting", done, total);
        });
        if (!images.empty())
            written.push_back(threeDigitName(images.back()) + extension);
        if (args.fonts)
            PictureFiles::exportFonts(c, withSeparator(outdir), format, [&](int i) {
                if (i > 0)
                    written.push_back(FontNames[std::size_t(i - 1)] + extension);
            });
    } catch (const std::exception &error) {
        if (Interruption::requested())
            throw Interruption::Interrupted(writtenBefore(written, outdir, "that"));
        throw std::runtime_error(std::string(error.what()) + "\n" + writtenBefore(written, outdir));
    }
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
