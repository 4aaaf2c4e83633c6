// bench_window_work FOLDER: the window's long work against today's way of doing it, measured in
// the same run. Start to the thumbnails in view drawn, with the event loop running between the
// images, against a load that lets nothing in until it ends (as before); a folder import of
// every image, decoded beside the window thread and recorded as one undo step, against the same
// import run on the window thread alone (as before); the undo history after importing every
// image, and after a second such import, against its bound; and a zoom step of the largest
// image's preview, against a redraw of the preview at 1:1.
#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include <time.h>

#include "bench_timing.h"
#include "bench_window.h"
#include "bench_window_main.h"
#include "core_path.h"
#include "folder_import.h"
#include "grid_metrics.h"
#include "grid_pages.h"
#include "picture_control.h"
#include "picture_files.h"
#include "preview_canvas.h"
#include "preview_window.h"
#include "progress_steps.h"
#include "scroll_box.h"
#include "window_work.h"

namespace {

constexpr int LoadRuns = 9;
constexpr int ImportRuns = 5;
constexpr double Target = 1.1;
constexpr double FrameMs = 16.0;
constexpr double Megabyte = 1024.0 * 1024.0;

// Notes when every thumbnail in view has been painted with its picture, counting from start().
class InView : public QObject {
public:
    explicit InView(TForm1 &form) : m_form(form) { qApp->installEventFilter(this); }
    ~InView() override { qApp->removeEventFilter(this); }
    void start() { m_clock.start(); }
    double at() const { return m_at; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *cell = qobject_cast<TPicture *>(watched);
        if (event->type() != QEvent::Paint || !cell || m_at >= 0 || !cell->objectName().startsWith(QLatin1String("Image")))
            return false;
        // The picture the paint shows, made here as the paint would make it.
        if (!cell->picture().isNull())
            m_painted.insert(cell->number());
        const GridPages &grids = m_form.grids();
        const TScrollBox *page = m_form.parts().ScrollBox1;
        const int rows = (page->viewport()->height() + grids.ThumbSize + GridMetrics::ImageRowGap - 1)
            / (grids.ThumbSize + GridMetrics::ImageRowGap);
        const int inView = std::min(std::max(grids.ThumbColumns, 1) * rows, grids.source().ImageCount - 1);
        bool all = inView > 0;
        for (int n = 1; n <= inView && all; ++n)
            all = m_painted.count(n) > 0;
        if (all)
            m_at = m_clock.nsecsElapsed() / 1e6;
        return false;
    }

private:
    TForm1 &m_form;
    QElapsedTimer m_clock;
    std::set<int> m_painted;
    double m_at = -1;
};

// Processor time the whole process used during work (every thread), in milliseconds.
double processorMs(const std::function<void()> &work)
{
    const auto now = [] {
        timespec at{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &at);
        return double(at.tv_sec) * 1e3 + double(at.tv_nsec) / 1e6;
    };
    const double start = now();
    work();
    return now() - start;
}

struct LoadTimes {
    double visible = 0;
    double total = 0;
};

// Launches a fresh window on folder; with yields, the event loop runs between images.
LoadTimes load(const QString &folder, const QTemporaryDir &temp, bool yields, std::unique_ptr<BenchWindow> &window)
{
    window = std::make_unique<BenchWindow>(folder, temp);
    WindowWork::setSlicesYield(yields);
    InView inView(*window->form);
    LoadTimes times;
    inView.start();
    times.total = milliseconds([&] {
        if (!window->form->Launch() || !window->dialogs.messages.isEmpty())
            throw std::runtime_error(folder.toStdString() + " did not load");
    });
    // Whatever waited for the event loop is painted now.
    for (int k = 0; k < 50 && inView.at() < 0; ++k)
        QCoreApplication::processEvents();
    times.visible = inView.at();
    WindowWork::setSlicesYield(true);
    return times;
}

// The folder import as the window ran it before: everything on the window thread, no undo step.
void importAsBefore(TForm1 &form, const QString &folder)
{
    const FolderImportPlan plan = planFolderImport(listPicturesFolder(CorePath::fromQt(folder)), form.catalogue(), PictureKinds::Images);
    FolderImportSummary summary;
    {
        ProgressSteps progress(form.parts().ProgressBar1, int(plan.matches.size()));
        summary = runFolderImport(form.catalogue(), plan, PictureFiles::reader(), [&progress](int done, int) { progress.step(done); });
    }
    form.grids().redisplay(summary.images, summary.fonts);
    form.showChanges();
    if (summary.imported.empty())
        throw std::runtime_error("the import replaced no picture");
}

void importNow(BenchWindow &window, const QString &folder)
{
    window.dialogs.importFolder = folder;
    window.dialogs.messages.clear();
    window.form->LoadAllFromFolder();
    if (window.dialogs.messages.isEmpty() || !window.dialogs.messages.first().startsWith(QLatin1String("Imported")))
        throw std::runtime_error("the import failed: " + window.dialogs.messages.join(QLatin1Char(' ')).toStdString());
}

// Every image of the window written to folder as .tga, each byte inverted when asked.
void exportAll(const Catalogue &shown, const QString &folder, bool inverted)
{
    QDir().mkpath(folder);
    Catalogue copy = shown;
    if (inverted)
        for (int n = 1; n < copy.ImageCount; ++n)
            for (std::uint32_t &pixel : copy.ImagePixels[std::size_t(n)])
                pixel = ~pixel;
    PictureFiles::exportImages(copy, CorePath::fromQt(folder) + "/", PictureFiles::allImages(copy), PictureFiles::Format::Tga);
}

void ratio(const char *what, double now, double before, double target)
{
    std::printf("%-46s %8.1f ms   before %8.1f ms   ratio %.2f (target <= %.1f: %s)\n", what, now, before, now / before, target,
                now / before <= target ? "met" : "missed");
}

int run(const QString &folder)
{
    QTemporaryDir temp;
    std::unique_ptr<BenchWindow> window;
    // A first load warms the system's file cache for both ways.
    load(folder, temp, true, window);
    const int images = window->form->catalogue().ImageCount - 1;
    const double catalogueMb = double(window->form->catalogue().totalBytes()) / Megabyte;
    const QString inverted = temp.filePath(QStringLiteral("inverted")), original = temp.filePath(QStringLiteral("original"));
    exportAll(window->form->catalogue(), inverted, true);
    exportAll(window->form->catalogue(), original, false);

    std::vector<double> visibleNow, visibleBefore, totalNow, totalBefore;
    // Turn about, so that neither way always comes first.
    for (int k = 0; k < LoadRuns; ++k) {
        LoadTimes before, now;
        if (k % 2) {
            now = load(folder, temp, true, window);
            before = load(folder, temp, false, window);
        } else {
            before = load(folder, temp, false, window);
            now = load(folder, temp, true, window);
        }
        visibleBefore.push_back(before.visible);
        totalBefore.push_back(before.total);
        visibleNow.push_back(now.visible);
        totalNow.push_back(now.total);
    }

    std::vector<double> importNowMs, importBeforeMs, importNowCpu, importBeforeCpu;
    for (int k = 0; k < 2 * ImportRuns; ++k) {
        load(folder, temp, true, window);
        const bool before = (k % 2) == (k / 2 % 2);
        double wall = 0;
        const double cpu = processorMs([&] {
            wall = milliseconds([&] { before ? importAsBefore(*window->form, inverted) : importNow(*window, inverted); });
        });
        (before ? importBeforeMs : importNowMs).push_back(wall);
        (before ? importBeforeCpu : importNowCpu).push_back(cpu);
    }
    // The last run imported the new way.
    PictureHistory &history = window->form->history();
    const double afterOne = double(history.bytes()) / Megabyte;
    const std::size_t stepsAfterOne = history.size();
    importNow(*window, original);
    const double afterTwo = double(history.bytes()) / Megabyte;
    const std::size_t stepsAfterTwo = history.size();
    const double bound = double(history.limit()) / Megabyte;

    // The largest image's preview, zoomed one whole factor at a time, up and back down.
    TFormPreview preview;
    window->form->setPreview(&preview);
    const Catalogue &c = window->form->catalogue();
    int largest = 1;
    for (int n = 1; n < c.ImageCount; ++n)
        if (std::int64_t(c.ImageDetails[std::size_t(n)].Width) * c.ImageDetails[std::size_t(n)].Height
            > std::int64_t(c.ImageDetails[std::size_t(largest)].Width) * c.ImageDetails[std::size_t(largest)].Height)
            largest = n;
    window->form->grids().selectAndShow(largest);
    window->form->Showpreview();
    for (int k = 0; k < 100 && !(preview.windowHandle() && preview.windowHandle()->isExposed()); ++k)
        QCoreApplication::processEvents();
    // The window as the screen allows it, and the picture's part a full-HD view would show.
    std::vector<double> steps, plain, fullHd, fullHdPlain;
    QImage frame(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    const auto paintFullHd = [&] { preview.Preview()->render(&frame, QPoint(), QRegion(0, 0, 1920, 1080)); };
    for (int k = 0; k < 5; ++k) {
        plain.push_back(milliseconds([&] { preview.repaint(); }));
        fullHdPlain.push_back(milliseconds(paintFullHd));
    }
    for (int factor : {2, 3, 4, 5, 6, 7, 8, 7, 6, 5, 4, 3, 2, 1}) {
        steps.push_back(milliseconds([&] {
            preview.setZoom(factor);
            preview.repaint();
        }));
        fullHd.push_back(milliseconds(paintFullHd));
    }

    std::printf("bench_window_work: %s: %d images, %.1f MB; offscreen; medians of %d loads and %d imports, each way\n",
                qPrintable(folder), images, catalogueMb, LoadRuns, ImportRuns);
    ratio("start to the thumbnails in view drawn", median(visibleNow), median(visibleBefore), Target);
    ratio("start to everything loaded", median(totalNow), median(totalBefore), Target);
    ratio("folder import of every image, in total", median(importNowMs), median(importBeforeMs), Target);
    ratio("  the same, processor time of all threads", median(importNowCpu), median(importBeforeCpu), Target);
    std::printf("%-46s %8.1f MB (%zu step)   after a second import %.1f MB (%zu step, the oldest dropped)   bound %.0f MB (%s)\n",
                "undo history after importing every image", afterOne, stepsAfterOne, afterTwo, stepsAfterTwo, bound,
                std::max(afterOne, afterTwo) <= bound ? "within" : "beyond");
    const auto zoomLine = [](const char *what, const std::vector<double> &times, const std::vector<double> &at1) {
        const double slowest = *std::max_element(times.begin(), times.end());
        std::printf("%-46s %8.2f ms   slowest %.2f ms; at 1:1 %.2f ms, ratio %.2f (target < %.0f ms: %s)\n", what, median(times),
                    slowest, median(at1), median(times) / median(at1), FrameMs, median(times) < FrameMs ? "met" : "missed");
    };
    zoomLine("zoom step of the largest image, window redrawn", steps, plain);
    zoomLine("zoom step, a 1920 x 1080 view of it painted", fullHd, fullHdPlain);
    std::printf("%-46s %d x %d pixels (image %d)\n", "the largest image", c.ImageDetails[std::size_t(largest)].Width,
                c.ImageDetails[std::size_t(largest)].Height, largest);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    return benchWindowOnFolder(argc, argv, "bench_window_work", run);
}
