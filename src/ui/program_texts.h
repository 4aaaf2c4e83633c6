#pragma once

#include <QString>

// The program's own texts shared by its windows.
namespace ProgramTexts {
// The application title: the main window's caption and every message box's caption.
inline const QString AppTitle = QStringLiteral("Tessary 1.2");
// The filters of the TGA file dialogs: .tga first and chosen by default, then .png. The open
// dialog offers both kinds at once first.
inline const QString TgaFilter = QStringLiteral("*.tga (*.tga)");
inline const QString PngFilter = QStringLiteral("*.png (*.png)");
inline const QString PicturesFilter = QStringLiteral("Pictures (*.tga *.png)");
// The folder picker's title and prompt.
inline const QString FolderTitle = QStringLiteral("Please select a folder");
inline const QString FolderPrompt = QStringLiteral("Please choose a folder where all .tga files will be saved.");
// The folder picker of "Load all ... from a folder".
inline const QString ImportFolderPrompt = QStringLiteral("Please choose the folder that holds the pictures to load.");
// The context menu's folder import, revert and restore items.
inline const QString LoadAllImages = QStringLiteral("Load all images from a folder\u2026");
inline const QString LoadAllFonts = QStringLiteral("Load all font sheets from a folder\u2026");
inline const QString RevertItem = QStringLiteral("Revert to the game folder's file");
inline const QString RestoreItem = QStringLiteral("Restore the game's original");
// The context menu's image editor items, and undo and redo when there is nothing to take.
inline const QString EditItem = QStringLiteral("Edit in image editor\u2026");
inline const QString ChooseEditorItem = QStringLiteral("Choose image editor\u2026");
inline const QString UndoItem = QStringLiteral("Undo");
inline const QString RedoItem = QStringLiteral("Redo");
// The context menu's mod items, and the filters of their file dialogs.
inline const QString SaveModItem = QStringLiteral("Save changes as a mod package\u2026");
inline const QString InstallModItem = QStringLiteral("Install mod\u2026");
inline const QString InstalledModsItem = QStringLiteral("Installed mods\u2026");
inline const QString PackageFilter = QStringLiteral("Tessary mod package (*.zip)");
inline const QString ModFilter = QStringLiteral("Mods (*.zip *.7z *.rar *.tar *.tar.gz *.tgz *.tar.bz2 *.tbz2 *.tar.xz *.txz)");
// The question asked before unapplied changes would be lost, and its answers.
inline const QString ApplyAnswer = QStringLiteral("Apply");
inline const QString DiscardAnswer = QStringLiteral("Discard");
inline const QString CancelAnswer = QStringLiteral("Cancel");
}
