#include "tool_runs.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>

namespace ToolRuns {

ToolRun run(const QString &program, const QStringList &args, const QString &workingFolder)
{
    QProcess process;
    if (!workingFolder.isEmpty())
        process.setWorkingDirectory(workingFolder);
    process.start(program, args);
    ToolRun result;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        result.err = "did not finish normally: " + process.errorString().toUtf8();
        return result;
    }
    result.exitCode = process.exitCode();
    // Windows' console streams end their lines with CR LF; the tests read lines.
    result.out = process.readAllStandardOutput().replace("\r\n", "\n");
    result.err = process.readAllStandardError().replace("\r\n", "\n");
    return result;
}

QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> files;
    const QDir root(folder);
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        // Tessary's own lock file and kept originals are not game files.
        if (it.fileName() == QLatin1String("tessary.lock") || path.contains(QLatin1String("tessary-originals")))
            continue;
        QFile file(path);
        files.insert(root.relativeFilePath(path), file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)"));
    }
    return files;
}

bool copyTree(const QString &from, const QString &to)
{
    // Through Qt, so that names outside the system's code page are copied as they are on Windows.
    const QDir source(from);
    if (!QDir().mkpath(to))
        return false;
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = QDir(to).filePath(source.relativeFilePath(path));
        const bool copied = it.fileInfo().isDir() ? QDir().mkpath(target) : QFile::copy(path, target);
        if (!copied)
            return false;
    }
    return true;
}

} // namespace ToolRuns
