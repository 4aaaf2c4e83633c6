#pragma once

#include <QString>

// Times kept in records as ISO 8601 text ("2026-12-09T14:09:02Z"), shown in the window's
// language, in the user's time zone. A text that is no such time is shown as it is.
namespace LocalFormat {

// "9. Dezember 2026, 15:09", "9 grudnia 2026 15:09".
QString dateTime(const QString &iso);
// The date alone, short: "09.12.26", "9.12.2026".
QString date(const QString &iso);

} // namespace LocalFormat
