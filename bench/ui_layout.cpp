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
#include "bench_window.h"
#include "bench_window_main.h"
#include "core_raw_files.h"
#include "game_paths.h"
#include "grid_pages.h"
#include "main_window.h"
#include "picture_control.h"
#include "picture_maker.h"
#include "size_spin_box.h"

namespace {

constexpr int LayoutRuns = 11;
constexpr int LoadRuns = 5;
constexpr double FrameMs = 16.0;
constexpr double LoadTarget = 1.5;
constexpr double MemoryAllowanceMb = 80.0;

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
    auto window = std::make_unique<BenchWindow>(folder, temp);
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
        window = std::make_unique<BenchWindow>(folder, temp);
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
    return benchWindowOnFolder(argc, argv, "bench_ui_layout", run);
}
