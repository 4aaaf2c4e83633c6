#include "tool_runs.h"

#include <filesystem>
#include <system_error>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>

namespace ToolRuns {

ToolRun run(const QString &program, const QStringList &args)
{
    QProcess process;
    process.start(program, args);
    ToolRun result;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        result.err = "did not finish normally: " + process.errorString().toUtf8();
        return result;
    }
    result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
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
    std::error_code error;
    std::filesystem::copy(from.toStdString(), to.toStdString(), std::filesystem::copy_options::recursive, error);
    return !error;
}

} // namespace ToolRuns
