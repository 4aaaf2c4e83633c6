#include "run_folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#else
#include <cerrno>
#include <signal.h>
#include <sys/types.h>
#endif

namespace {

// How long a folder named without a process id is kept unchanged before it counts as left over.
constexpr qint64 UnnamedRunDays = 7;

} // namespace

namespace RunFolders {

QString templateIn(const QString &tempFolder)
{
    return QDir(tempFolder).filePath(QStringLiteral("Tessary-%1-XXXXXX").arg(QCoreApplication::applicationPid()));
}

bool processRuns(qint64 pid)
{
    if (pid <= 0)
        return true;
#ifdef Q_OS_WIN
    HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, DWORD(pid));
    if (!process)
        // Only "no such process" says it has ended; a process of another user can't be opened.
        return ::GetLastError() != ERROR_INVALID_PARAMETER;
    DWORD code = 0;
    const bool ended = ::GetExitCodeProcess(process, &code) && code != STILL_ACTIVE;
    ::CloseHandle(process);
    return !ended;
#else
    if (pid != qint64(pid_t(pid)))
        return true;
    return ::kill(pid_t(pid), 0) == 0 || errno != ESRCH;
#endif
}

int clearEnded(const QString &tempFolder, const std::function<bool(qint64 pid)> &runs, const QDateTime &now)
{
    // QTemporaryDir puts six letters or digits in place of XXXXXX.
    static const QRegularExpression named(QStringLiteral("^Tessary-([0-9]{1,10})-[A-Za-z0-9]{6}$"));
    static const QRegularExpression unnamed(QStringLiteral("^Tessary-[A-Za-z0-9]{6}$"));
    int removed = 0;
    const QDir folder(tempFolder);
    const QFileInfoList entries = folder.entryInfoList({QStringLiteral("Tessary-*")}, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QFileInfo &entry : entries) {
        if (entry.isSymLink())
            continue;
        const QString name = entry.fileName();
        bool ended = false;
        if (const QRegularExpressionMatch match = named.match(name); match.hasMatch())
            ended = !runs(match.captured(1).toLongLong());
        else if (unnamed.match(name).hasMatch())
            ended = entry.lastModified().toUTC().daysTo(now) >= UnnamedRunDays;
        if (!ended || !QDir(entry.filePath()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
            continue;
        // rmdir removes only an empty folder, so a file put there meanwhile keeps it.
        if (folder.rmdir(name))
            ++removed;
    }
    return removed;
}

} // namespace RunFolders
