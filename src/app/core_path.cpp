#include "core_path.h"

#include <QByteArray>
#include <QFile>

namespace CorePath {

std::string fromQt(const QString &fileName)
{
    return QFile::encodeName(fileName).toStdString();
}

QString toQt(const std::string &fileName)
{
    return QFile::decodeName(QByteArray::fromStdString(fileName));
}

} // namespace CorePath
