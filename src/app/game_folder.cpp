#include "game_folder.h"

#include <QDir>
#include <QStringList>

#include <string>
#include <utility>

#include "catalogue/file_ops.h"
#include "catalogue/game_paths.h"
#include "core_path.h"

namespace {

#ifdef Q_OS_WIN
// Qt's dialogs hand back forward slashes; Windows takes both.
bool isSeparator(QChar c) { return c == QLatin1Char('\\') || c == QLatin1Char('/'); }
#else
bool isSeparator(QChar c) { return c == QLatin1Char('/'); }
#endif

const QString ExecutableName = QStringLiteral("gp4.exe");

// True when gp4.exe lies in the folder as the entry names it, the name joined as the game's
// own "\gp4.exe" so that a trailing separator doubles harmlessly.
bool holdsExecutable(const QString &folder)
{
    const std::string exact = GamePaths::join(CorePath::fromQt(folder), "\\gp4.exe");
    if (FileOps::isFile(exact))
        return true;
#ifdef Q_OS_WIN
    return false;
#else
    // A game folder copied from Windows may carry GP4.EXE or Gp4.exe; Windows would find it,
    // and the executable dialog lists it, so a chosen folder must be found again here.
    const QString exactName = CorePath::toQt(exact);
    const QString parent = exactName.left(exactName.lastIndexOf(QLatin1Char('/')) + 1);
    const QStringList names = QDir(parent).entryList({ExecutableName}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        if (GameFolder::isExecutableName(name) && FileOps::isFile(CorePath::fromQt(parent + name)))
            return true;
    }
    return false;
#endif
}

} // namespace

GameFolder::GameFolder() = default;

GameFolder::GameFolder(GameInstallEntry entry) : m_entry(std::move(entry)) {}

void GameFolder::GetPath()
{
    const std::optional<QString> folder = m_entry.readDirectory();
    if (!folder)
        return;
    PathFound = holdsExecutable(*folder);
    if (PathFound)
        GP4Path = *folder;
}

QString GameFolder::Path(const QString &fileName)
{
    qsizetype end = fileName.size();
    while (end > 0 && !isSeparator(fileName.at(end - 1)))
        --end;
    return fileName.left(end);
}

QString GameFolder::shownInMessage(const QString &text)
{
    QString shown;
    shown.reserve(text.size());
    for (qsizetype at = 0; at < text.size();) {
        qsizetype end = at;
        while (end < text.size() && isSeparator(text.at(end)))
            ++end;
        if (end == at) {
            shown += text.at(at++);
            continue;
        }
#ifdef Q_OS_WIN
        const bool startsName = at == 0 || text.at(at - 1).isSpace();
#else
        const bool startsName = false;
#endif
        shown += startsName ? text.mid(at, end - at) : QString(text.at(at));
        at = end;
    }
    return shown;
}

GameFolder::Choice GameFolder::acceptChosenExecutable(const QString &chosenFile)
{
    if (chosenFile.isEmpty())
        return Choice::Cancelled;
    // The entry is the game's own: record the folder in the host's spelling.
    const QString folder = Path(QDir::toNativeSeparators(chosenFile));
    // A bare name has no folder; recording an empty one would point at the drive's root.
    if (folder.isEmpty())
        return Choice::Refused;
    if (!FileOps::isFile(GamePaths::index(CorePath::fromQt(folder))))
        return Choice::Refused;
    return m_entry.writeDirectory(folder) ? Choice::Accepted : Choice::NotRecorded;
}

QString GameFolder::notRecordedMessage() const
{
    QString reason = m_entry.lastError();
    if (reason.isEmpty())
        reason = QStringLiteral("the value could not be recorded");
    return m_entry.location() + QStringLiteral(": the game folder can't be recorded (") + reason + QLatin1Char(')');
}

QString GameFolder::dialogStartFolder() const
{
    return PathFound ? GP4Path : QDir::toNativeSeparators(QDir::currentPath());
}

QString GameFolder::executableFilter()
{
#ifdef Q_OS_WIN
    return QStringLiteral("GP4.exe (GP4.exe)");
#else
    return QStringLiteral("GP4.exe ([Gg][Pp]4.[Ee][Xx][Ee])");
#endif
}

bool GameFolder::isExecutableName(const QString &fileName)
{
    return fileName.compare(ExecutableName, Qt::CaseInsensitive) == 0;
}
