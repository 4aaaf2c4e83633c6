// flip_in_window FOLDER: the same flip written back by the window's "Apply All Changes", which
// writes on a thread of its own while the event loop runs; offscreen, nobody asked anything.
#include <QApplication>
#include <QTemporaryDir>

#include <cstdio>

#include "bench_window.h"
#include "flip_pictures.h"

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fputs("usage: flip_in_window FOLDER\n", stderr);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir temp;
    BenchWindow window(QString::fromLocal8Bit(argv[1]), temp);
    const bool loaded = window.form->Launch();
    if (loaded && window.dialogs.messages.isEmpty()) {
        flipPictures(window.form->catalogue());
        window.form->LMDApplyAllClick();
    }
    // A failed load or write-back says so in a message.
    if (!loaded || !window.dialogs.messages.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(window.dialogs.messages.join(QLatin1Char('\n'))));
        return 1;
    }
    std::puts("applied in the window");
    return 0;
}
