#include "settings_status.h"

namespace SettingsStatus {

QString describe(QSettings::Status status)
{
    switch (status) {
    case QSettings::AccessError:
        return QStringLiteral("access denied");
    case QSettings::FormatError:
        return QStringLiteral("the file is not a valid settings file");
    case QSettings::NoError:
        break;
    }
    return QString();
}

} // namespace SettingsStatus
