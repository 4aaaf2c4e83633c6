#pragma once

#include <QSettings>
#include <QString>

namespace SettingsStatus {
// Why a settings store failed, in words a user can act on; empty for NoError.
QString describe(QSettings::Status status);
}
