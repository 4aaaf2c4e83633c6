#include "app_test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

RedirectedStores::RedirectedStores()
{
    for (const QSettings::Format format : {QSettings::IniFormat, QSettings::NativeFormat}) {
        QSettings::setPath(format, QSettings::UserScope, m_dir.path() + QStringLiteral("/user"));
        QSettings::setPath(format, QSettings::SystemScope, m_dir.path() + QStringLiteral("/system"));
    }
}

namespace AppTestSupport {

bool touch(const QString &fileName)
{
    if (!QDir().mkpath(QFileInfo(fileName).absolutePath()))
        return false;
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly);
}

bool makeFolder(const QString &folder)
{
    return QDir().mkpath(folder);
}

QString indexFile(const QString &gameFolder)
{
    return gameFolder + QStringLiteral("/MenuData/PC/GP2001/Gp2001.gph");
}

QString readAll(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    return QString::fromUtf8(file.readAll());
}

bool runsUnderWine()
{
#ifdef Q_OS_WIN
    // Wine's ntdll names its version; Windows' has no such function.
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
#else
    return false;
#endif
}

} // namespace AppTestSupport
