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

std::string folderFromQt(const QString &folder)
{
    QString trimmed = folder;
#ifdef Q_OS_WIN
    const auto separator = [](QChar c) { return c == QLatin1Char('\\') || c == QLatin1Char('/'); };
    // A drive's root, such as C:\ on its own, keeps its separator.
    const qsizetype keep = trimmed.size() >= 2 && trimmed.at(1) == QLatin1Char(':') ? 3 : 1;
#else
    const auto separator = [](QChar c) { return c == QLatin1Char('/'); };
    const qsizetype keep = 1;
#endif
    while (trimmed.size() > keep && separator(trimmed.back()))
        trimmed.chop(1);
    return fromQt(trimmed);
}

} // namespace CorePath
