#include "system_error_text.h"

#include <QLocale>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <clocale>
#include <cstring>
#include <locale.h>
#endif

#ifdef Q_OS_WIN
QString systemErrorText(long long code)
{
    const QString name = QLocale().bcp47Name();
    const LCID locale = ::LocaleNameToLCID(reinterpret_cast<const wchar_t *>(name.utf16()), 0);
    if (locale == 0)
        return {};
    wchar_t *text = nullptr;
    const DWORD length = ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                          nullptr, DWORD(code), LANGIDFROMLCID(locale), reinterpret_cast<wchar_t *>(&text), 0, nullptr);
    QString words = length && text ? QString::fromWCharArray(text, int(length)) : QString();
    if (text)
        ::LocalFree(text);
    while (words.endsWith(QLatin1Char('\n')) || words.endsWith(QLatin1Char('\r')) || words.endsWith(QLatin1Char('.'))
           || words.endsWith(QLatin1Char(' ')))
        words.chop(1);
    return words;
}
#else
namespace {

QString textIn(const char *localeName, long long code)
{
    const locale_t chosen = ::newlocale(LC_MESSAGES_MASK, localeName, locale_t(nullptr));
    if (!chosen)
        return {};
    const QString text = QString::fromLocal8Bit(::strerror_l(int(code), chosen));
    ::freelocale(chosen);
    return text;
}

} // namespace

QString systemErrorText(long long code)
{
    const QString english = textIn("C", code);
    if (QLocale().language() == QLocale::English)
        return english;
    // A language whose messages the system lacks reads them in English: those are left out.
    const QString local = textIn(QString(QLocale().name() + QLatin1String(".UTF-8")).toLatin1().constData(), code);
    return local == english ? QString() : local;
}
#endif
