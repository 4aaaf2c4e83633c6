#include "wine_prefix.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

#include "game_executable.h"
#include "wine_registry_file.h"

namespace WinePrefix {

namespace {

const QStringList GameKeys = {
    QStringLiteral("Software\\Wow6432Node\\Infogrames\\Grand Prix 4\\1.00\\Install Dir"),
    QStringLiteral("Software\\Infogrames\\Grand Prix 4\\1.00\\Install Dir"),
};

// The Linux folder of a drive letter, through the prefix's dosdevices link.
std::optional<QString> driveFolder(const QString &prefix, QChar letter)
{
    const QFileInfo device(prefix + QStringLiteral("/dosdevices/") + letter.toLower() + QLatin1Char(':'));
    if (device.exists())
        return device.canonicalFilePath();
    // A prefix copied without its links still has its C: drive.
    if (letter.toLower() == QLatin1Char('c') && QFileInfo(prefix + QStringLiteral("/drive_c")).isDir())
        return QFileInfo(prefix + QStringLiteral("/drive_c")).canonicalFilePath();
    return std::nullopt;
}

// The entry of folder named name in any case; nullopt when there is none.
std::optional<QString> entryInAnyCase(const QString &folder, const QString &name)
{
    if (QFileInfo::exists(folder + QLatin1Char('/') + name))
        return name;
    const QStringList names =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &candidate : names) {
        if (candidate.compare(name, Qt::CaseInsensitive) == 0)
            return candidate;
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> toLinuxPath(const QString &prefix, const QString &windowsPath)
{
    QString path = windowsPath;
    if (path.startsWith(QLatin1String("\\\\?\\")))
        path = path.mid(4);
    static const QRegularExpression drivePath(QStringLiteral("^([A-Za-z]):([\\\\/].*)?$"));
    const QRegularExpressionMatch parts = drivePath.match(path);
    if (!parts.hasMatch())
        return std::nullopt;
    const std::optional<QString> drive = driveFolder(prefix, parts.captured(1).at(0));
    if (!drive)
        return std::nullopt;
    QString folder = *drive;
    static const QRegularExpression separators(QStringLiteral("[\\\\/]+"));
    for (const QString &name : parts.captured(2).split(separators, Qt::SkipEmptyParts)) {
        if (name == QLatin1String("."))
            continue;
        if (name == QLatin1String("..")) {
            // Windows drops the name before "..", but never climbs above the drive.
            if (folder.size() > drive->size())
                folder.truncate(std::max(folder.lastIndexOf(QLatin1Char('/')), qsizetype(1)));
            continue;
        }
        const std::optional<QString> entry = entryInAnyCase(folder, name);
        if (!entry)
            return std::nullopt;
        folder += (folder.endsWith(QLatin1Char('/')) ? QString() : QStringLiteral("/")) + *entry;
    }
    return folder;
}

std::optional<QString> gameFolder(const QString &prefix)
{
    QFile registry(prefix + QStringLiteral("/system.reg"));
    if (!registry.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray text = registry.readAll();
    for (const QString &key : GameKeys) {
        const std::optional<QString> directory = WineRegistryFile::readText(text, key, QStringLiteral("Directory"));
        if (!directory)
            continue;
        const std::optional<QString> folder = toLinuxPath(prefix, *directory);
        if (folder && GameExecutable::liesIn(*folder))
            return folder;
    }
    return std::nullopt;
}

} // namespace WinePrefix
