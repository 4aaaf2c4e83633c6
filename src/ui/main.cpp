#include <QApplication>

#include <exception>
#include <memory>

#include "game_folder.h"
#include "main_window.h"
#include "preview_window.h"
#include "program_options.h"
#include "qt_dialogs.h"
#include "settings_store.h"

namespace {
constexpr const char *Usage = "Usage: tessary [--help] [--version]\n"
                              "Starts Tessary, which edits the menu images and font sheets of Grand Prix 4.\n"
                              "The game folder is the one the game's installation entry names; Tessary asks\n"
                              "for it when none is known.\n"
                              "Qt's own options (such as -platform or -style) are handed to Qt.\n";
}

int main(int argc, char *argv[])
{
    if (const auto answered = ProgramOptions::answerStandard(ProgramOptions::arguments(argc, argv), "Tessary", Usage))
        return *answered;
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Quenby's Tools"));
    QApplication::setApplicationName(QStringLiteral("Tessary"));
    QApplication::setApplicationVersion(QStringLiteral("1.2"));

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
        dialogs.message(GameFolder::shownInMessage(QString::fromStdString(error.what())));
        return 1;
    }
    return QApplication::exec();
}
