#include <QApplication>
#include <QByteArray>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench_timing.h"
#include "bench_window.h"
#include "preview_window.h"
#include "program_language.h"
#include "program_options.h"

// The start of the window in German against the same start in English, in one run: loading the
// translations (the program's and Qt's) from the program's resources, making the main window and
// the preview window with every text looked up, and showing the main window. QApplication itself
// and loading a game folder cost the same in every language and are left out, which makes the
// ratio a strict one.
namespace {

constexpr int Runs = 41;
constexpr double Target = 1.05;

double startMs(const QString &language)
{
    return milliseconds([&] {
        QObject translations;
        ProgramLanguage::install(&translations, language);
        QTemporaryDir temp;
        BenchWindow window(temp.filePath(QStringLiteral("no-game")), temp);
        TFormPreview preview;
        window.form->setPreview(&preview);
        window.form->show();
        QCoreApplication::processEvents();
    });
}

} // namespace

int main(int argc, char *argv[])
{
    const ProgramOptions::Operands none = ProgramOptions::takeOperands(
        ProgramOptions::arguments(argc, argv), "bench_start_language", "Usage: bench_start_language\n", 0);
    if (none.exitCode)
        return *none.exitCode;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    QApplication application(argc, argv);
    // The first start of each warms the caches of fonts and styles.
    startMs(QStringLiteral("en"));
    startMs(QStringLiteral("de"));
    std::vector<double> english;
    std::vector<double> german;
    for (int run = 0; run < Runs; ++run) {
        english.push_back(startMs(QStringLiteral("en")));
        german.push_back(startMs(QStringLiteral("de")));
    }
    // The medians judge: on a machine shared with other work a single fastest run says more
    // about the other work than about the start.
    const double typical = median(german) / median(english);
    const double fastest = *std::min_element(german.begin(), german.end()) / *std::min_element(english.begin(), english.end());
    std::printf("window start, median of %d: English %.2f ms, German %.2f ms: ratio %.3f (target at most %.2f) %s\n", Runs,
                median(english), median(german), typical, Target, typical <= Target ? "met" : "NOT MET");
    std::printf("window start, fastest of %d: English %.2f ms, German %.2f ms: ratio %.3f\n", Runs,
                *std::min_element(english.begin(), english.end()), *std::min_element(german.begin(), german.end()), fastest);
    return 0;
}
