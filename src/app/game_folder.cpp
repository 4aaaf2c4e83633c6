#include "game_folder.h"

#include <QCoreApplication>
#include <QDir>

#include <utility>

#include "catalogue/file_ops.h"
#include "catalogue/game_paths.h"
#include "core_path.h"
#include "game_executable.h"
#include "start_folder.h"

namespace {

#ifdef Q_OS_WIN
// Qt's dialogs hand back forward slashes; Windows takes both.
bool isSeparator(QChar c) { return c == QLatin1Char('\\') || c == QLatin1Char('/'); }
#else
bool isSeparator(QChar c) { return c == QLatin1Char('/'); }
#endif

QString reasonOrDefault(const QString &reason)
{
    return reason.isEmpty() ? QCoreApplication::translate("GameFolder", "the value could not be recorded") : reason;
}

} // namespace

GameFolder::GameFolder()
    : m_record(ChosenFolderRecord())
#ifndef Q_OS_WIN
    , m_winePrefixes(WinePrefixSearch())
#endif
{
}

GameFolder::GameFolder(GameInstallEntry entry, std::optional<ChosenFolderRecord> record,
                       std::optional<WinePrefixSearch> winePrefixes)
    : m_entry(std::move(entry)), m_record(std::move(record)), m_winePrefixes(std::move(winePrefixes))
{
}

void GameFolder::GetPath()
{
    // The user's own choice, kept here only because the entry could not take it, comes first.
    if (m_record) {
        const std::optional<QString> chosen = m_record->read();
        if (chosen && GameExecutable::liesIn(*chosen)) {
            PathFound = true;
            GP4Path = *chosen;
            return;
        }
    }
    const std::optional<QString> folder = m_entry.readDirectory();
    if (folder) {
        PathFound = GameExecutable::liesIn(*folder);
        if (PathFound)
            GP4Path = *folder;
    }
    if (m_winePrefixes && (!folder || folder->isEmpty())) {
        if (const std::optional<QString> installed = m_winePrefixes->findGameFolder()) {
            PathFound = true;
            GP4Path = *installed;
        }
    }
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
    if (m_entry.writeDirectory(folder)) {
        // The entry holds the choice now; an older one kept in the settings would hide it.
        if (m_record)
            m_record->forget();
        return Choice::Accepted;
    }
    if (m_record && m_record->write(folder))
        return Choice::RecordedInSettings;
    return Choice::NotRecorded;
}

QString GameFolder::ChooseFolderMessage()
{
    return QCoreApplication::translate("GameFolder", "Please choose your GP4 folder");
}

QString GameFolder::RefusedMessage()
{
    return QCoreApplication::translate("GameFolder", "Sorry but this is not a valid GP4.exe file. Image folder can't be found");
}

QString GameFolder::recordedInSettingsMessage() const
{
    return QCoreApplication::translate("GameFolder", "The game folder is recorded in Tessary's settings (%1), as %2 can't be changed (%3).")
        .arg(m_record ? m_record->location() : QString(), m_entry.location(), reasonOrDefault(m_entry.lastError()));
}

QString GameFolder::notRecordedMessage() const
{
    QString message = QCoreApplication::translate("GameFolder", "%1: the game folder can't be recorded (%2)")
                          .arg(m_entry.location(), reasonOrDefault(m_entry.lastError()));
    if (m_record)
        message += QCoreApplication::translate("GameFolder", "; %1: neither (%2)")
                       .arg(m_record->location(), reasonOrDefault(m_record->lastError()));
    return message;
}

QString GameFolder::recordedFolder() const
{
    if (m_record) {
        if (const std::optional<QString> chosen = m_record->read())
            return *chosen;
    }
    return m_entry.readDirectory().value_or(QString());
}

QString GameFolder::dialogStartFolder() const
{
    return PathFound ? GP4Path : StartFolder::games();
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
    return GameExecutable::isName(fileName);
}
