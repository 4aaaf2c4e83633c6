#pragma once

#include <QApplication>

#include <string>

#include "bench_main.h"
#include "core_path.h"

// benchOnFolder for the window benchmarks: offscreen unless a platform is named, and the folder
// handed on as Qt names it.
template <typename Run>
int benchWindowOnFolder(int argc, char *argv[], const char *program, Run run)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    QApplication application(argc, argv);
    return benchOnFolder(argc, argv, program, [&run](const std::string &folder) { return run(CorePath::toQt(folder)); });
}
