#include "game_install_entry.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QStringList>
#include <QVariant>

#include <utility>

#include "settings_status.h"

namespace {

const QString InstallGroup = QStringLiteral("1.00");
const QString InstallKey = QStringLiteral("Install Dir");
const QString DirectoryKey = QStringLiteral("1.00/Install Dir/Directory");

#ifdef Q_OS_WIN
const QString GameRegistryRoot = QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Infogrames\\Grand Prix 4");
#endif

} // namespace

GameInstallEntry::GameInstallEntry() = default;

GameInstallEntry::GameInstallEntry(QString iniFilePath) : m_iniFilePath(std::move(iniFilePath)) {}

std::unique_ptr<QSettings> GameInstallEntry::open() const
{
    if (m_iniFilePath)
        return std::make_unique<QSettings>(*m_iniFilePath, QSettings::IniFormat);
#ifdef Q_OS_WIN
    // Grand Prix 4 is a 32-bit program: on 64-bit Windows its installer's key lies in the
    // 32-bit view (WOW6432Node), which a 64-bit build must ask for explicitly.
    return std::make_unique<QSettings>(GameRegistryRoot, QSettings::Registry32Format);
#else
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("Infogrames"), QStringLiteral("Grand Prix 4"));
#endif
}

std::optional<QString> GameInstallEntry::readDirectory() const
{
    const std::unique_ptr<QSettings> settings = open();
    if (settings->status() != QSettings::NoError)
        return std::nullopt;
    // The key exists when its parent lists it: an empty registry key is listed, and an INI
    // group exists once it holds any value.
    settings->beginGroup(InstallGroup);
    const bool keyExists = settings->childGroups().contains(InstallKey);
    settings->endGroup();
    if (!keyExists)
        return std::nullopt;
    const QVariant value = settings->value(DirectoryKey);
    if (!value.isValid())
        return QString();
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

bool GameInstallEntry::writeDirectory(const QString &folder)
{
    m_lastError.clear();
    const std::unique_ptr<QSettings> settings = open();
    if (settings->status() == QSettings::NoError) {
        settings->setValue(DirectoryKey, folder);
        settings->sync();
    }
    if (settings->status() != QSettings::NoError) {
        m_lastError = SettingsStatus::describe(settings->status());
        return false;
    }
    // QSettings may report success for a file it could not replace; read the value back.
    if (readDirectory() != folder) {
        m_lastError = QCoreApplication::translate("GameFolder", "the value could not be recorded");
        return false;
    }
    return true;
}

QString GameInstallEntry::location() const
{
    if (m_iniFilePath)
        return QDir::toNativeSeparators(*m_iniFilePath);
#ifdef Q_OS_WIN
    return GameRegistryRoot + QStringLiteral("\\1.00\\Install Dir");
#else
    return QDir::toNativeSeparators(open()->fileName());
#endif
}
