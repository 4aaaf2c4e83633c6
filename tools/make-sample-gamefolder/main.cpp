#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include <QGuiApplication>
#include <QStringList>

#include "catalogue.h"
#include "game_paths.h"
#include "program_options.h"
#include "sample_folder.h"
#include "sample_font_painter.h"

namespace {

constexpr const char *Usage = "Usage: make-sample-gamefolder --small DIR | --large DIR\n"
                              "Makes a sample Grand Prix 4 game folder under DIR: gp4.exe (a placeholder),\n"
                              "the image index, the images and the six fonts. --small makes about 40 images,\n"
                              "--large about 450 (about 300 MB).\n"
                              "A DIR starting with '-' goes after \"--\".\n";

int usage(const std::string &problem)
{
    std::fputs(Usage, stderr);
    std::fprintf(stderr, "make-sample-gamefolder: %s\n", problem.c_str());
    return 2;
}

void report(const std::string &folder, SampleKind kind, const SampleFolder::Summary &made)
{
    std::printf("Made the %s sample game folder %s\n", kind == SampleKind::Small ? "small" : "large", folder.c_str());
    std::printf("  %s (placeholder)\n", GamePaths::join(folder, "\\gp4.exe").c_str());
    std::printf("  %s: %d image slots, %llu bytes\n", GamePaths::index(folder).c_str(), made.images + 1,
                static_cast<unsigned long long>(made.indexBytes));
    std::printf("  %s to %s: %d images, %llu bytes\n", GamePaths::image(folder, 1).c_str(),
                GamePaths::image(folder, made.images).c_str(), made.images,
                static_cast<unsigned long long>(made.imageBytes));
    for (int i = 0; i < FontCount; ++i)
        std::printf("  %s\n", GamePaths::font(folder, i).c_str());
    std::printf("  %d fonts, %llu bytes\n", FontCount, static_cast<unsigned long long>(made.fontBytes));
}

} // namespace

int main(int argc, char *argv[])
{
    if (const auto answered = ProgramOptions::answerStandard(ProgramOptions::arguments(argc, argv), "make-sample-gamefolder", Usage))
        return *answered;
    // The tool never shows a window; the offscreen platform gives it fonts without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // The core takes names as the system gives them on POSIX (bytes), as UTF-8 on Windows, where
    // Qt hands out the wide arguments.
#ifdef _WIN32
    std::vector<std::string> args;
    for (const QString &arg : app.arguments().mid(1))
        args.push_back(arg.toStdString());
#else
    const std::vector<std::string> args = ProgramOptions::arguments(argc, argv);
#endif
    const ProgramOptions::Split parts = ProgramOptions::split(args);
    if (parts.options.size() != 1 || (parts.options[0] != "--small" && parts.options[0] != "--large"))
        return usage(parts.options.empty() ? "--small or --large is needed" : "the options are --small or --large, not " + parts.options.back());
    if (args.front() != parts.options[0])
        return usage("--small or --large comes first");
    if (parts.operands.size() != 1 || parts.operands[0].empty())
        return usage("one folder is needed");
    const SampleKind kind = parts.options[0] == "--small" ? SampleKind::Small : SampleKind::Large;
    const std::string folder = parts.operands[0];

    const QStringList missing = SampleFontPainter::missingFamilies();
    if (!missing.isEmpty())
        std::fprintf(stderr, "make-sample-gamefolder: warning: fonts not installed, substitutes used: %s\n",
                     missing.join(QStringLiteral(", ")).toUtf8().constData());
    try {
        report(folder, kind, SampleFolder::write(folder, kind));
    } catch (const std::exception &error) {
        std::fprintf(stderr, "make-sample-gamefolder: %s\n", error.what());
        return 1;
    }
    return 0;
}
