#include "start_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

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

} // namespace StartFolder
