#include "wine_registry_file.h"

#include <QList>

namespace WineRegistryFile {

namespace {

// The value of an ASCII digit in the base (8 or 16); -1 for any other character.
int digitValue(QChar c, int base)
{
    const char16_t u = c.toLower().unicode();
    int value = -1;
    if (u >= u'0' && u <= u'9')
        value = u - u'0';
    else if (u >= u'a' && u <= u'f')
        value = u - u'a' + 10;
    return value < base ? value : -1;
}

// Index of the first unescaped occurrence of close at or after from; -1 when there is none.
qsizetype findUnescaped(QStringView line, QChar close, qsizetype from)
{
    for (qsizetype i = from; i < line.size(); ++i) {
        if (line[i] == QLatin1Char('\\'))
            ++i;
        else if (line[i] == close)
            return i;
    }
    return -1;
}

// The key name of a "[key] time" line, unescaped; nullopt for any other line.
std::optional<QString> keyOf(QStringView line)
{
    if (!line.startsWith(QLatin1Char('[')))
        return std::nullopt;
    const qsizetype end = findUnescaped(line, QLatin1Char(']'), 1);
    if (end < 0)
        return std::nullopt;
    return unescape(line.sliced(1, end - 1));
}

// The text of a '"name"=value' line when its name is valueName and it holds a string.
std::optional<QString> textOf(QStringView line, const QString &valueName)
{
    if (!line.startsWith(QLatin1Char('"')))
        return std::nullopt;
    const qsizetype nameEnd = findUnescaped(line, QLatin1Char('"'), 1);
    if (nameEnd < 0 || unescape(line.sliced(1, nameEnd - 1)).compare(valueName, Qt::CaseInsensitive) != 0)
        return std::nullopt;
    QStringView value = line.sliced(nameEnd + 1);
    if (!value.startsWith(QLatin1Char('=')))
        return std::nullopt;
    value = value.sliced(1);
    // REG_SZ is written bare, REG_EXPAND_SZ as str(2):"..."; other types are not text.
    if (value.startsWith(QLatin1String("str(2):")))
        value = value.sliced(7);
    if (!value.startsWith(QLatin1Char('"')))
        return std::nullopt;
    const qsizetype textEnd = findUnescaped(value, QLatin1Char('"'), 1);
    if (textEnd < 0)
        return std::nullopt;
    return unescape(value.sliced(1, textEnd - 1));
}

} // namespace

QString unescape(QStringView text)
{
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('\\') || i + 1 == text.size()) {
            plain += text[i];
            continue;
        }
        const QChar c = text[++i];
        const int base = c == QLatin1Char('x') ? 16 : (digitValue(c, 8) >= 0 ? 8 : 0);
        if (base != 0) {
            // \x takes up to four hex digits, an octal escape up to three digits in all.
            qsizetype at = base == 16 ? i + 1 : i;
            const qsizetype last = base == 16 ? at + 4 : at + 3;
            char16_t unit = 0;
            for (; at < text.size() && at < last && digitValue(text[at], base) >= 0; ++at)
                unit = char16_t(unit * base + digitValue(text[at], base));
            plain += QChar(unit);
            i = at - 1;
            continue;
        }
        switch (c.unicode()) {
        case 'a': plain += QChar(7); break;
        case 'b': plain += QChar(8); break;
        case 'e': plain += QChar(27); break;
        case 'f': plain += QChar(12); break;
        case 'n': plain += QChar(10); break;
        case 'r': plain += QChar(13); break;
        case 't': plain += QChar(9); break;
        case 'v': plain += QChar(11); break;
        default: plain += c; break;
        }
    }
    return plain;
}

std::optional<QString> readText(const QByteArray &fileText, const QString &keyPath, const QString &valueName)
{
    const QString text = QString::fromUtf8(fileText);
    bool inKey = false;
    for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (const std::optional<QString> key = keyOf(line)) {
            inKey = key->compare(keyPath, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!inKey)
            continue;
        if (std::optional<QString> value = textOf(line, valueName))
            return value;
    }
    return std::nullopt;
}

} // namespace WineRegistryFile
