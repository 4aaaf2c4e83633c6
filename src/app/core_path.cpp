#include "core_path.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

namespace CorePath {

std::string fromQt(const QString &fileName)
{
#ifdef Q_OS_WIN
    // One separator throughout, so that a message names a file in one spelling.
    return QDir::toNativeSeparators(fileName).toUtf8().toStdString();
#else
    return QFile::encodeName(fileName).toStdString();
#endif
}

QString toQt(const std::string &fileName)
{
#ifdef Q_OS_WIN
    return QString::fromStdString(fileName);
#else
    return QFile::decodeName(QByteArray::fromStdString(fileName));
#endif
}

} // namespace CorePath
