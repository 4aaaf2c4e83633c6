#pragma once

#include <QCoreApplication>
#include <QString>

// The program's own texts shared by its windows, in the user's language.
namespace ProgramTexts {
// The application title: the main window's caption and every message box's caption (in every
// language).
inline QString AppTitle() { return QStringLiteral("Tessary 1.2"); }
// The filters of the TGA file dialogs: .tga first and chosen by default, then .png. The open
// dialog offers both kinds at once first.
inline QString TgaFilter() { return QStringLiteral("*.tga (*.tga)"); }
inline QString PngFilter() { return QStringLiteral("*.png (*.png)"); }
inline QString PicturesFilter() { return QCoreApplication::translate("ProgramTexts", "Pictures (*.tga *.png)"); }
// The title of the folder picker of "Save all images".
inline QString FolderPrompt() { return QCoreApplication::translate("ProgramTexts", "Please choose a folder where all .tga files will be saved."); }
// The titles of the dialogs that take or give one picture, naming the formats they handle.
inline QString LoadPictureTitle() { return QCoreApplication::translate("ProgramTexts", "Load a picture (.tga, .png)"); }
inline QString SavePictureTitle() { return QCoreApplication::translate("ProgramTexts", "Save the picture (.tga, .png)"); }
// The folder picker of "Load all ... from a folder".
inline QString ImportFolderPrompt() { return QCoreApplication::translate("ProgramTexts", "Please choose the folder that holds the pictures to load."); }
// The context menu's folder import, revert and restore items.
inline QString LoadAllImages() { return QCoreApplication::translate("ProgramTexts", "Load all images from a folder\u2026"); }
inline QString LoadAllFonts() { return QCoreApplication::translate("ProgramTexts", "Load all font sheets from a folder\u2026"); }
inline QString RevertItem() { return QCoreApplication::translate("ProgramTexts", "Revert to the game folder's file"); }
inline QString RestoreItem() { return QCoreApplication::translate("ProgramTexts", "Restore the game's original"); }
// The context menu's image editor items, and undo and redo when there is nothing to take.
inline QString EditItem() { return QCoreApplication::translate("ProgramTexts", "Edit in image editor\u2026"); }
inline QString ChooseEditorItem() { return QCoreApplication::translate("ProgramTexts", "Choose image editor\u2026"); }
inline QString UndoItem() { return QCoreApplication::translate("ProgramTexts", "Undo"); }
inline QString RedoItem() { return QCoreApplication::translate("ProgramTexts", "Redo"); }
// The context menu's mod items, and the filters of their file dialogs.
inline QString SaveModItem() { return QCoreApplication::translate("ProgramTexts", "Save changes as a mod package\u2026"); }
inline QString InstallModItem() { return QCoreApplication::translate("ProgramTexts", "Install mod\u2026"); }
inline QString InstallModFolderTitle() { return QCoreApplication::translate("ProgramTexts", "Install a mod from a folder"); }
inline QString InstalledModsItem() { return QCoreApplication::translate("ProgramTexts", "Mods\u2026"); }
inline QString PackageFilter() { return QCoreApplication::translate("ProgramTexts", "Tessary mod package (*.zip)"); }
inline QString ModFilter() { return QCoreApplication::translate("ProgramTexts", "Mods (*.zip *.7z *.rar *.tar *.tar.gz *.tgz *.tar.bz2 *.tbz2 *.tar.xz *.txz)"); }
// The question asked before unapplied changes would be lost, and its answers.
inline QString ApplyAnswer() { return QCoreApplication::translate("ProgramTexts", "Apply"); }
inline QString DiscardAnswer() { return QCoreApplication::translate("ProgramTexts", "Discard"); }
inline QString CancelAnswer() { return QCoreApplication::translate("ProgramTexts", "Cancel"); }
}
