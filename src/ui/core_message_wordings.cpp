#include "core_message_wordings.h"

#include <QtGlobal>

namespace {

// Each is the English text exactly as the core builds it (src/catalogue, src/exchange, src/mods,
// src/picture_files), with %1, %2, ... where it puts a name, a number or a nested reason. A
// placeholder in quotes is a name; any other may hold a reason with a wording of its own.
// Texts that only tessary-cli shows are not here.
const char *const Wordings[] = {
    QT_TRANSLATE_NOOP("CoreMessages", "file not found"),
    QT_TRANSLATE_NOOP("CoreMessages", "folder not found"),
    QT_TRANSLATE_NOOP("CoreMessages", "access denied"),
    QT_TRANSLATE_NOOP("CoreMessages", "reading beyond the end of the file"),
    QT_TRANSLATE_NOOP("CoreMessages", "disk full"),
    QT_TRANSLATE_NOOP("CoreMessages", "the file system is read-only"),
    QT_TRANSLATE_NOOP("CoreMessages", "is a folder, not a file"),
    QT_TRANSLATE_NOOP("CoreMessages", "is a file, not a folder"),
    QT_TRANSLATE_NOOP("CoreMessages", "is not a folder"),
    QT_TRANSLATE_NOOP("CoreMessages", "is not a regular file (a pipe or a device)"),
    QT_TRANSLATE_NOOP("CoreMessages", "is a symbolic link, which Tessary does not follow"),
    QT_TRANSLATE_NOOP("CoreMessages", "the path is too long"),
    QT_TRANSLATE_NOOP("CoreMessages", "the file is in use by another program"),
    QT_TRANSLATE_NOOP("CoreMessages", "nothing was changed"),
    QT_TRANSLATE_NOOP("CoreMessages", "nothing was written"),
    QT_TRANSLATE_NOOP("CoreMessages", "error code %1 (%2)"),
    QT_TRANSLATE_NOOP("CoreMessages", "another program changed this file since Tessary loaded them: %1"),
    QT_TRANSLATE_NOOP("CoreMessages", "another program changed these files since Tessary loaded them: %1"),
    QT_TRANSLATE_NOOP("CoreMessages", "another program changed the record of installed mods since Tessary read it"),
    QT_TRANSLATE_NOOP("CoreMessages", "another program is writing this game folder"),
    QT_TRANSLATE_NOOP("CoreMessages", "another program is reading this game folder"),
    QT_TRANSLATE_NOOP("CoreMessages", "try again when it has finished"),
    QT_TRANSLATE_NOOP("CoreMessages", "try again in a moment"),
    QT_TRANSLATE_NOOP("CoreMessages", "the files already replaced were put back, so nothing was changed"),
    QT_TRANSLATE_NOOP("CoreMessages", "the game folder is not loaded completely"),
    QT_TRANSLATE_NOOP("CoreMessages", "holds fewer pixels than its byte count"),
    QT_TRANSLATE_NOOP("CoreMessages", "this program reads no .png files"),
    QT_TRANSLATE_NOOP("CoreMessages", "the archive is damaged"),
    QT_TRANSLATE_NOOP("CoreMessages", "there is no menu image number %1"),
    QT_TRANSLATE_NOOP("CoreMessages", "there is no font number %1"),
    QT_TRANSLATE_NOOP("CoreMessages", "%1 true-colour .tga files can't be read"),
    QT_TRANSLATE_NOOP("CoreMessages", "save the picture with 24 or 32 bits per pixel"),
    QT_TRANSLATE_NOOP("CoreMessages", "Sorry but Tessary can't read RLE encoded .tga files."),
};

} // namespace

std::span<const char *const> CoreMessageWordings::english()
{
    return Wordings;
}
