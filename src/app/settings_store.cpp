#include "settings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QVariant>

#include <algorithm>

#include "settings_status.h"
#include "start_folder.h"

SettingsStore::SettingsStore()
    : m_settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quenby's Tools"),
                 QStringLiteral("Tessary"))
{
}

SettingsStore::SettingsStore(const QString &iniFilePath) : m_settings(iniFilePath, QSettings::IniFormat)
{
}

bool SettingsStore::create()
{
#ifdef Q_OS_WIN
    // Qt creates the registry key when it first opens it for writing, as asking whether the
    // store is writable does.
    if (m_settings.format() == QSettings::NativeFormat)
        return m_settings.isWritable();
#endif
    // A settings file would otherwise be made only when the first value is written.
    const QFileInfo file(m_settings.fileName());
    if (file.exists())
        return file.isFile();
    if (!QDir().mkpath(file.absolutePath()))
        return false;
    QFile made(file.filePath());
    return made.open(QIODevice::WriteOnly | QIODevice::NewOnly);
}

QString SettingsStore::readText(const QString &name, const QString &defaultText) const
{
    const QVariant value = m_settings.value(name);
    if (!value.isValid())
        return defaultText;
    // An INI line holding an unquoted comma reads back as a list; it is still one text.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    if (!value.canConvert<QString>())
        return defaultText;
    return value.toString();
}

int SettingsStore::readInteger(const QString &name, int defaultValue) const
{
    const QString text = readText(name, QString());
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? value : defaultValue;
}

void SettingsStore::writeText(const QString &name, const QString &text)
{
    m_settings.setValue(name, text);
}

void SettingsStore::writeInteger(const QString &name, int value)
{
    // Kept as text so that the store holds one kind of value only.
    m_settings.setValue(name, QString::number(value));
}

void SettingsStore::remove(const QString &name)
{
    m_settings.remove(name);
}

bool SettingsStore::sync()
{
    m_settings.sync();
    return m_settings.status() == QSettings::NoError;
}

QString SettingsStore::lastError() const
{
    return SettingsStatus::describe(m_settings.status());
}

QString SettingsStore::location() const
{
    return QDir::toNativeSeparators(m_settings.fileName());
}

SettingsStore::WindowMode SettingsStore::readWindowMode() const
{
    const QString text = readText(WindowState, QStringLiteral("Normal"));
    if (text == QLatin1String("Normal"))
        return WindowMode::Normal;
    if (text == QLatin1String("Full"))
        return WindowMode::Full;
    return WindowMode::Leave;
}

void SettingsStore::writeWindowMode(WindowMode mode)
{
    switch (mode) {
    case WindowMode::Normal:
        writeText(WindowState, QStringLiteral("Normal"));
        break;
    case WindowMode::Full:
        writeText(WindowState, QStringLiteral("Full"));
        break;
    case WindowMode::Leave:
        break;
    }
}

SettingsStore::WindowMode SettingsStore::modeOfWindow(Qt::WindowStates state)
{
    // A minimised window may also carry the maximised flag; minimised wins, so the earlier
    // value stays.
    if (state & Qt::WindowMinimized)
        return WindowMode::Leave;
    if (state & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return WindowMode::Full;
    return WindowMode::Normal;
}

int SettingsStore::readThumbSize() const
{
    return readInteger(ThumbSize, ThumbSizeDefault);
}

void SettingsStore::writeThumbSize(int size)
{
    writeInteger(ThumbSize, size);
}

int SettingsStore::clampThumbSize(int size)
{
    return std::clamp(size, ThumbSizeMinimum, ThumbSizeMaximum);
}

QString SettingsStore::readLoadTgaFile() const
{
    return readText(LoadTGAFile, QString());
}

QString SettingsStore::readSaveTgaPath() const
{
    return readText(SaveTGAPath, QString());
}

QString SettingsStore::readSaveAllTgaPath() const
{
    return readText(SaveAllTGAPath, StartFolder::standard());
}

bool SettingsStore::readSaveAllPng() const
{
    return readText(SaveAllFormat, QString()).compare(QLatin1String("png"), Qt::CaseInsensitive) == 0;
}

void SettingsStore::writeSaveAllPng(bool png)
{
    writeText(SaveAllFormat, png ? QStringLiteral("png") : QStringLiteral("tga"));
}

QString SettingsStore::readLoadAllTgaPath() const
{
    return readText(LoadAllTGAPath, readSaveAllTgaPath());
}
