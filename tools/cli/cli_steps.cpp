#include "cli_context.h"

#include "folder_recovery.h"
#include "write_back.h"

namespace CliSteps {

Catalogue load(const CliContext &context, const std::string &folder, LoadPurpose purpose, Images images)
{
    // The steps of loadGameFolder, so that the bar knows its length once the index is read.
    const FolderRecovery::Opened opened = FolderRecovery::openForReading(folder);
    if (!opened.settled.empty())
        (context.args.json ? context.err : context.out) << opened.settled.english() << "\n";
    Catalogue c;
    c.setLoadPurpose(purpose);
    c.GP4Path = folder;
    c.Readsizes();
    const int steps = c.ImageCount + FontCount - 1;
    LoadProgress report;
    report.progress = [&context, steps](int value) { context.progress.show("Loading", value, steps); };
    if (images == Images::All)
        c.ImportAll(report);
    else
        c.ImportFonts();
    context.progress.finish();
    return c;
}

WriteBackReport write(const CliContext &context, Catalogue &c, WriteBackOptions::Scope scope, std::vector<ModRecordFile> records)
{
    WriteBackOptions options;
    options.scope = scope;
    options.records = std::move(records);
    options.overwriteChangedOnDisk = context.args.force;
    options.progress = [&context](int done, int total) { context.progress.show("Writing", done, total); };
    const WriteBackReport report = applyAllChanges(c, options);
    context.progress.finish();
    if (!report.settled.empty())
        context.out << report.settled.english() << "\n";
    for (const Message &sentence : report.originalsLeftAside)
        context.err << sentence.english() << "\n";
    if (!report.leftAlone.empty())
        context.err << "Another program changed these files since Tessary loaded them; they were left as they are: "
                    << shortList(report.leftAlone) << "\n";
    return report;
}

void apply(const CliContext &context, Catalogue &c, std::vector<ModRecordFile> records)
{
    const WriteBackReport report = write(context, c, WriteBackOptions::Scope::Changed, std::move(records));
    context.out << "Applied: wrote " << report.written.size() << (report.written.size() == 1 ? " file" : " files")
                << (report.written.empty() ? "" : ": " + shortList(report.written)) << "\n";
}

} // namespace CliSteps
