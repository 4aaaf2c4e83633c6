#include "settings_status.h"

#include <QCoreApplication>

namespace SettingsStatus {

QString describe(QSettings::Status status)
{
    switch (status) {
    case QSettings::AccessError:
        return QCoreApplication::translate("SettingsStore", "access denied");
    case QSettings::FormatError:
        return QCoreApplication::translate("SettingsStore", "the file is not a valid settings file");
    case QSettings::NoError:
        break;
    }
    return QString();
}

} // namespace SettingsStatus
