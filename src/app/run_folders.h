#pragma once

#include <QDateTime>
#include <QString>

#include <functional>

// The temporary folder a run of the window keeps its files in (the pictures handed to the image
// editor) is "Tessary-<process id>-XXXXXX" in the system's temporary folder, so that a later run
// can tell whose it is. A run that was killed leaves its folder behind; the next run clears
// those that are empty and whose run has ended.
namespace RunFolders {

// The QTemporaryDir template of this run's folder in tempFolder.
QString templateIn(const QString &tempFolder);

// True while a process of that id runs (or may run: one that can't be asked counts as running).
bool processRuns(qint64 pid);

// Removes the empty folders of tempFolder named as a run's folder whose run has ended: one whose
// process id no process has now, and one named without a process id (as the folders of earlier
// versions were) that nothing has changed for a week, since such a run can't be asked. A folder
// that holds anything is kept, as is every other name. Returns how many were removed.
int clearEnded(const QString &tempFolder, const std::function<bool(qint64 pid)> &runs = processRuns,
               const QDateTime &now = QDateTime::currentDateTimeUtc());

} // namespace RunFolders
