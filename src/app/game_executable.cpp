#include "game_executable.h"

#include <QDir>
#include <QStringList>

#include <string>

#include "catalogue/file_ops.h"
#include "catalogue/game_paths.h"
#include "core_path.h"

namespace GameExecutable {

namespace {
const QString ExecutableName = QStringLiteral("gp4.exe");
}

bool isName(const QString &fileName)
{
    return fileName.compare(ExecutableName, Qt::CaseInsensitive) == 0;
}

bool liesIn(const QString &folder)
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
        if (isName(name) && FileOps::isFile(CorePath::fromQt(parent + name)))
            return true;
    }
    return false;
#endif
}

} // namespace GameExecutable
