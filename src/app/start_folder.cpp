#include "start_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

#include "wine_prefix_search.h"

namespace StartFolder {

QString standard()
{
    for (const auto location : {QStandardPaths::PicturesLocation, QStandardPaths::DocumentsLocation})
        for (const QString &folder : QStandardPaths::standardLocations(location))
            if (QFileInfo(folder).isDir())
                return QDir::toNativeSeparators(folder);
    return QDir::toNativeSeparators(QDir::homePath());
}

QString orStandard(const QString &remembered)
{
    // A relative name would be taken from the working folder, which is what is avoided here.
    if (remembered.isEmpty() || QDir::isRelativePath(remembered))
        return standard();
    const QFileInfo info(remembered);
    if (info.isDir() || info.isFile())
        return remembered;
    if (info.dir().exists())
        return QDir::toNativeSeparators(info.absolutePath());
    return standard();
}

QString firstExisting(const QStringList &folders)
{
    for (const QString &folder : folders)
        if (!folder.isEmpty() && !QDir::isRelativePath(folder) && QFileInfo(folder).isDir())
            return QDir::toNativeSeparators(QDir::cleanPath(folder));
    return standard();
}

QString games()
{
    QStringList folders;
#ifdef Q_OS_WIN
    folders << qEnvironmentVariable("ProgramFiles(x86)") << qEnvironmentVariable("ProgramFiles");
#else
    for (const QString &prefix : WinePrefixSearch().prefixes())
        folders << QDir(prefix).filePath(QStringLiteral("drive_c/Program Files (x86)")) << QDir(prefix).filePath(QStringLiteral("drive_c"));
#endif
    return firstExisting(folders);
}

} // namespace StartFolder
