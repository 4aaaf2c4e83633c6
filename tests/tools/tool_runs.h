#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

// What a run of one of the helper programs gave back.
struct ToolRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Helpers shared by the tests of the helper programs.
namespace ToolRuns {

// Runs program with args to its end (at most two minutes), in workingFolder when one is given.
ToolRun run(const QString &program, const QStringList &args, const QString &workingFolder = QString());
// Every file below folder, by path relative to it, with its bytes; Tessary's own lock file and
// kept originals are left out.
QMap<QString, QByteArray> snapshot(const QString &folder);
// Copies the tree at from into the (existing, empty) folder to; false on any failure.
bool copyTree(const QString &from, const QString &to);

} // namespace ToolRuns
