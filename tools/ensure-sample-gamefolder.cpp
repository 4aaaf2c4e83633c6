// ensure-sample-gamefolder SAMPLE_DIR: when no game folder is recorded in the game's
// installation entry, makes the small sample game folder in SAMPLE_DIR and records it, so
// that Tessary's first start shows thumbnails at once. Does nothing when a folder is known.

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QTextStream>

#include <optional>

#include "catalogue/file_ops.h"
#include "catalogue/game_paths.h"
#include "core_path.h"
#include "game_folder.h"
#include "game_install_entry.h"
#include "program_options.h"

namespace {

constexpr const char *Usage = "Usage: ensure-sample-gamefolder SAMPLE_DIR\n"
                              "When no game folder is recorded in the game's installation entry, makes the\n"
                              "small sample game folder in SAMPLE_DIR and records it; does nothing when a\n"
                              "folder is known.\n"
                              "A SAMPLE_DIR starting with '-' goes after \"--\".\n";

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

bool holdsSample(const QString &folder)
{
    return FileOps::isFile(GamePaths::join(CorePath::fromQt(folder), "\\gp4.exe")) &&
           FileOps::isFile(GamePaths::index(CorePath::fromQt(folder)));
}

bool makeSample(const QString &maker, const QString &folder)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(maker, {QStringLiteral("--small"), folder});
    if (!process.waitForStarted(-1)) {
        err() << maker << ": " << process.errorString() << Qt::endl;
        return false;
    }
    process.waitForFinished(-1);
    if (process.exitStatus() != QProcess::NormalExit) {
        err() << maker << ": crashed" << Qt::endl;
        return false;
    }
    if (process.exitCode() != 0) {
        err() << maker << ": ended with exit code " << process.exitCode() << Qt::endl;
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // Qt hands out the arguments as the system gave them (wide on Windows).
    std::vector<std::string> args;
    for (const QString &arg : app.arguments().mid(1))
        args.push_back(arg.toStdString());
    const ProgramOptions::Operands folder = ProgramOptions::takeOperands(args, "ensure-sample-gamefolder", Usage, 1);
    if (folder.exitCode)
        return *folder.exitCode;

    GameFolder gameFolder;
    gameFolder.GetPath();
    if (gameFolder.PathFound) {
        out() << "Game folder already recorded: " << gameFolder.GP4Path << Qt::endl;
        return 0;
    }

    const QString sample = QDir::toNativeSeparators(QDir::cleanPath(QDir(QString::fromStdString(folder.values.front())).absolutePath()));
    const std::optional<QString> previous = gameFolder.entry().readDirectory();
    if (previous && !previous->isEmpty())
        out() << "The recorded game folder " << *previous << " holds no gp4.exe" << Qt::endl;

    // A sample made by an earlier run may carry changes the user applied; keep it.
    if (holdsSample(sample)) {
        out() << "Using the sample game folder already in " << sample << Qt::endl;
    } else {
        out() << "Making the small sample game folder in " << sample << Qt::endl;
        if (!makeSample(QStringLiteral(TESSARY_SAMPLE_MAKER), sample))
            return 1;
        if (!holdsSample(sample)) {
            err() << sample << ": the sample maker left no gp4.exe or no image index" << Qt::endl;
            return 1;
        }
    }

    // Recorded as a chosen folder is: with its trailing separator.
    GameInstallEntry entry = gameFolder.entry();
    const QString recorded = sample + QDir::separator();
    if (!entry.writeDirectory(recorded)) {
        err() << entry.location() << ": the game folder can't be recorded (" << entry.lastError() << ")"
              << Qt::endl;
        return 1;
    }
    gameFolder.GetPath();
    if (!gameFolder.PathFound) {
        err() << entry.location() << ": the recorded game folder " << recorded << " is not found again"
              << Qt::endl;
        return 1;
    }
    out() << "Recorded " << recorded << " as the game folder in " << entry.location() << Qt::endl;
    return 0;
}
