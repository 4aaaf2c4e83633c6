#include "core_messages.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

#include <vector>

namespace {

// The core's wordings, with %1, %2 where it puts a name or a number. Each is the English text
// exactly as the core builds it (src/catalogue, src/exchange, src/mods).
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

struct Wording {
    QRegularExpression english; // the whole part, a placeholder standing for any text
    const char *source;
};

const std::vector<Wording> &wordings()
{
    static const std::vector<Wording> known = [] {
        std::vector<Wording> made;
        for (const char *source : Wordings) {
            QString pattern = QRegularExpression::escape(QString::fromUtf8(source));
            pattern.replace(QRegularExpression(QStringLiteral("\\\\?%([1-9])")), QStringLiteral("(.+?)"));
            made.push_back({QRegularExpression(QRegularExpression::anchoredPattern(pattern)), source});
        }
        return made;
    }();
    return known;
}

QString translatedPart(const QString &part)
{
    for (const Wording &wording : wordings()) {
        const QRegularExpressionMatch match = wording.english.match(part);
        if (!match.hasMatch())
            continue;
        QString text = QCoreApplication::translate("CoreMessages", wording.source);
        for (int k = 1; k <= match.lastCapturedIndex(); ++k)
            text = text.arg(match.captured(k));
        return text;
    }
    return part;
}

} // namespace

QString CoreMessages::translated(const QString &english)
{
    static const QString Joint = QStringLiteral("; ");
    const qsizetype colon = english.indexOf(QLatin1String(": "));
    const QString file = colon < 0 ? QString() : english.left(colon + 2);
    QStringList parts = english.mid(file.size()).split(Joint);
    // A part may itself hold "name: list" (the files another program changed), so only whole
    // parts are matched, never pieces of them.
    for (QString &part : parts)
        part = translatedPart(part);
    const QString reason = parts.join(Joint);
    // A message that is no "<file>: <reason>" may be a reason alone.
    return colon < 0 ? reason : file + reason;
}
