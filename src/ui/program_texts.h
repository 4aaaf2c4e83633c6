#pragma once

#include <QString>

// The program's own texts shared by its windows.
namespace ProgramTexts {
// The application title: the main window's caption and every message box's caption.
inline const QString AppTitle = QStringLiteral("Tessary 1.2");
// The filter of the TGA file dialogs.
inline const QString TgaFilter = QStringLiteral("*.tga (*.tga)");
// The folder picker's title and prompt.
inline const QString FolderTitle = QStringLiteral("Please select a folder");
inline const QString FolderPrompt = QStringLiteral("Please choose a folder where all .tga files will be saved.");
}
