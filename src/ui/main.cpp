#include <QApplication>
#include <QDir>
#include <QLocale>

#include <cstdio>
#include <exception>
#include <memory>

#include "core_messages.h"
#include "game_folder.h"
#include "main_window.h"
#include "preview_window.h"
#include "program_language.h"
#include "program_options.h"
#include "qt_dialogs.h"
#include "run_folders.h"
#include "settings_store.h"

namespace {
constexpr const char *Usage = "Usage: tessary [--help] [--version] [--language CODE]\n"
                              "Starts Tessary, which edits the menu images and font sheets of Grand Prix 4.\n"
                              "The game folder is the one the game's installation entry names; Tessary asks\n"
                              "for it when none is known.\n"
                              "--language CODE speaks de, en, es, fr, it, nl, pl or pt_BR instead of the\n"
                              "system's language (and the settings value Language).\n"
                              "Qt's own options (such as -platform or -style) are handed to Qt.\n";
}

int main(int argc, char *argv[])
{
    if (const auto answered = ProgramOptions::answerStandard(ProgramOptions::arguments(argc, argv), "Tessary", Usage))
        return *answered;
    const QString option = ProgramLanguage::takeOption(argc, argv);
    if (!option.isEmpty() && ProgramLanguage::matching(option).isEmpty()) {
        std::fprintf(stderr, "tessary: --language %s: no such language; Tessary speaks de, en, es, fr, it, nl, pl and pt_BR\n",
                     qPrintable(option));
        return 2;
    }
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Quenby's Tools"));
    QApplication::setApplicationName(QStringLiteral("Tessary"));
    QApplication::setApplicationVersion(QStringLiteral("1.2"));
    ProgramLanguage::install(&application, ProgramLanguage::choose(option, SettingsStore().readText(SettingsStore::Language, QString()),
                                                                  QLocale::system().uiLanguages()));

    // The empty temporary folders of runs that were killed.
    RunFolders::clearEnded(QDir::tempPath());

    QtDialogs dialogs;
    GameFolder folder;
    TForm1 form(dialogs, folder, [] { return std::make_unique<SettingsStore>(); });
    dialogs.setParent(&form);
    TFormPreview preview;
    form.setPreview(&preview);

    try {
        if (!form.Launch())
            return 0;
    } catch (const std::exception &error) {
        // An error the start sequence can't recover from ends the program after saying so.
        dialogs.message(GameFolder::shownInMessage(CoreMessages::said(error)));
        return 1;
    }
    return QApplication::exec();
}
