#include <QApplication>
#include <QByteArray>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <exception>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bench_timing.h"
#include "program_options.h"
#include "core_path.h"
#include "core_raw_files.h"
#include "dialogs.h"
#include "game_folder.h"
#include "game_install_entry.h"
#include "game_paths.h"
#include "grid_pages.h"
#include "main_window.h"
#include "picture_control.h"
#include "picture_maker.h"
#include "settings_store.h"
#include "size_spin_box.h"

namespace {

constexpr int LayoutRuns = 11;
constexpr int LoadRuns = 5;
constexpr double FrameMs = 16.0;
constexpr double LoadTarget = 1.5;
constexpr double MemoryAllowanceMb = 80.0;

// Nothing is asked of anybody during the benchmark; a message means the folder didn't load.
class SilentDialogs : public Dialogs {
public:
    QStringList messages;
    void message(const QString &text) override { messages << text; }
    int ask(const QString &, const QStringList &) override { return -1; }
    QString chooseGameExecutable(const QString &, const QString &) override { return QString(); }
    QString saveTgaFile(const QString &, const QString &) override { return QString(); }
    QString openTgaFile(const QString &) override { return QString(); }
    FolderChoice chooseFolder(const QString &) override { return {}; }
    QString chooseImportFolder(const QString &) override { return QString(); }
    ModPackageChoice askModPackage(const QString &, const QString &) override { return {}; }
    QString openModFile(const QString &) override { return QString(); }
    bool confirmInstall(const InstallPreviewModel &) override { return false; }
    int manageInstalledMods(const InstalledModsModel &) override { return -1; }
};

// Peak resident memory of the process so far, in megabytes (VmHWM).
double peakMegabytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

// A main window on folder, with its settings and the game entry in a temporary folder.
struct Window {
    Window(const QString &folder, const QTemporaryDir &temp)
        : gameFolder(GameInstallEntry(temp.filePath(QStringLiteral("entry.ini"))))
    {
        GameInstallEntry(temp.filePath(QStringLiteral("entry.ini"))).writeDirectory(folder);
        const QString settings = temp.filePath(QStringLiteral("settings.ini"));
        form = std::make_unique<TForm1>(dialogs, gameFolder, [settings] { return std::make_unique<SettingsStore>(settings); });
    }
    SilentDialogs dialogs;
    GameFolder gameFolder;
    std::unique_ptr<TForm1> form;
};

// Launches the window and has every thumbnail made, whether or not it is in view yet.
bool launchAndDrawAll(TForm1 &form)
{
    if (!form.Launch())
        return false;
    for (int n = 1; n < form.catalogue().ImageCount; ++n)
        if (TPicture *cell = form.grids().imageCell(n))
            cell->picture();
    return true;
}

void timed(const char *what, double ms, double target)
{
    std::printf("%-44s %8.2f ms   (target < %.0f ms: %s)\n", what, ms, target, ms < target ? "met" : "missed");
}

int run(const QString &folder)
{
    QTemporaryDir temp;
    auto window = std::make_unique<Window>(folder, temp);
    double firstLoad = 0;
    bool launched = false;
    firstLoad = milliseconds([&] { launched = launchAndDrawAll(*window->form); });
    if (!launched || !window->dialogs.messages.isEmpty()) {
        std::fprintf(stderr, "bench_ui_layout: %s did not load: %s\n", qPrintable(folder),
                     qPrintable(window->dialogs.messages.join(QStringLiteral("; "))));
        return 1;
    }
    // Peak memory of the first load, before any baseline holds bytes of its own.
    const double peak = peakMegabytes();
    TForm1 &form = *window->form;
    const Catalogue &catalogue = form.catalogue();
    const double catalogueMb = double(catalogue.totalBytes()) / (1024.0 * 1024.0);

    std::vector<double> relayout, relayoutAllDrawn, relayoutPainted, channel, channelPainted, sampling;
    for (int run = 0; run < LayoutRuns; ++run) {
        sampling.push_back(milliseconds([&] {
            for (int n = 1; n < catalogue.ImageCount; ++n)
                PictureMaker::thumbnail(catalogue, n, 100, run % 2);
        }));
        relayout.push_back(milliseconds([&] { form.parts().SpinSize->setValue(120); }));
        relayoutAllDrawn.push_back(milliseconds([&] {
            form.parts().SpinSize->setValue(140);
            for (int n = 1; n < catalogue.ImageCount; ++n)
                form.grids().imageCell(n)->picture();
        }));
        relayoutPainted.push_back(milliseconds([&] {
            form.parts().SpinSize->setValue(100);
            form.repaint();
        }));
        channel.push_back(milliseconds([&] { form.PanelChannelsClick(); }));
        channelPainted.push_back(milliseconds([&] {
            form.PanelChannelsClick();
            form.repaint();
        }));
    }

    const std::vector<std::string> paths = CoreRawFiles::gameFiles(catalogue);
    const int images = catalogue.ImageCount - 1;
    std::vector<double> load{firstLoad}, rawRead;
    for (int run = 0; run < LoadRuns; ++run) {
        {
            std::vector<CoreRawFiles::Held> held;
            rawRead.push_back(milliseconds([&] { held = CoreRawFiles::readAll(paths); }));
        }
        window.reset();
        window = std::make_unique<Window>(folder, temp);
        load.push_back(milliseconds([&] { launchAndDrawAll(*window->form); }));
    }

    std::printf("bench_ui_layout: %s: %d images, %.1f MB of pixels and sheets; offscreen, medians of %d\n",
                qPrintable(folder), images, catalogueMb, LayoutRuns);
    std::printf("%-44s %8.2f ms\n", "thumbnails sampled alone (no widgets)", median(sampling));
    timed("re-layout at a new thumbnail size", median(relayout), FrameMs);
    timed("re-layout at a new thumbnail size, painted", median(relayoutPainted), FrameMs);
    std::printf("%-44s %8.2f ms\n", "re-layout, every thumbnail made", median(relayoutAllDrawn));
    timed("channel switch", median(channel), FrameMs);
    timed("channel switch, painted", median(channelPainted), FrameMs);
    const double loadMs = median(load);
    const double rawMs = median(rawRead);
    std::printf("%-44s %8.1f ms   raw read %8.1f ms   ratio %.2f (target <= %.1f: %s)\n",
                "load to all thumbnails drawn (Launch)", loadMs, rawMs, loadMs / rawMs, LoadTarget,
                loadMs / rawMs <= LoadTarget ? "met" : "missed");
    const double allowed = catalogueMb + MemoryAllowanceMb;
    std::printf("%-44s %8.1f MB   catalogue + %.0f MB = %.1f MB (%s); 1.3 x catalogue + %.0f MB = %.1f MB (%s)\n",
                "peak memory after the first load (VmHWM)", peak, MemoryAllowanceMb, allowed,
                peak <= allowed ? "met" : "missed", MemoryAllowanceMb, 1.3 * catalogueMb + MemoryAllowanceMb,
                peak <= 1.3 * catalogueMb + MemoryAllowanceMb ? "met" : "missed");
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    const ProgramOptions::Operands folder = ProgramOptions::takeOperands(
        ProgramOptions::arguments(argc, argv), "bench_ui_layout",
        "Usage: bench_ui_layout FOLDER   (a game folder, e.g. one made by make-sample-gamefolder --large)\n", 1);
    if (folder.exitCode)
        return *folder.exitCode;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    QApplication application(argc, argv);
    try {
        return run(CorePath::toQt(folder.values.front()));
    } catch (const std::exception &error) {
        std::fprintf(stderr, "bench_ui_layout: %s\n", error.what());
        return 1;
    }
}
