#include "local_format.h"

#include <QDateTime>
#include <QLocale>

namespace LocalFormat {

namespace {

QDateTime parsed(const QString &iso)
{
    QDateTime time = QDateTime::fromString(iso, Qt::ISODate);
    return time.isValid() ? time.toLocalTime() : time;
}

} // namespace

QString dateTime(const QString &iso)
{
    const QDateTime time = parsed(iso);
    if (!time.isValid())
        return iso;
    const QLocale locale;
    return locale.toString(time.date(), QLocale::LongFormat) + QStringLiteral(", ") + locale.toString(time.time(), QLocale::ShortFormat);
}

QString date(const QString &iso)
{
    const QDateTime time = parsed(iso);
    return time.isValid() ? QLocale().toString(time.date(), QLocale::ShortFormat) : iso;
}

} // namespace LocalFormat
