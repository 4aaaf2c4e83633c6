#include "core_messages.h"

#include <QCoreApplication>
#include <QLocale>
#include <QList>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <limits>
#include <optional>
#include <vector>

#include "core_message_wordings.h"
#include "game_file_error.h"
#include "message.h"
#include "system_error_text.h"

namespace {

struct Wording {
    QRegularExpression english; // the whole text, placeholder n captured as "pn"
    const char *source;
    int placeholders;
    bool startsWithWords;   // not with a placeholder
    QList<bool> quoted;     // [n - 1]: placeholder n stands in quotes, a name never translated
};

Wording wordingOf(const char *source)
{
    static const QRegularExpression Placeholder(QStringLiteral("%([1-9])"));
    const QString text = QString::fromUtf8(source);
    Wording wording{{}, source, 0, !text.startsWith(QLatin1Char('%')), {}};
    QString pattern;
    qsizetype from = 0;
    for (const QRegularExpressionMatch &found : Placeholder.globalMatch(text)) {
        const int number = found.captured(1).toInt();
        pattern += QRegularExpression::escape(text.mid(from, found.capturedStart() - from));
        pattern += QStringLiteral("(?<p%1>.*?)").arg(number);
        from = found.capturedEnd();
        wording.placeholders = std::max(wording.placeholders, number);
        wording.quoted.resize(wording.placeholders);
        wording.quoted[number - 1] = found.capturedStart() > 0 && text.at(found.capturedStart() - 1) == QLatin1Char('"')
                                     && from < text.size() && text.at(from) == QLatin1Char('"');
    }
    pattern += QRegularExpression::escape(text.mid(from));
    wording.english.setPattern(QRegularExpression::anchoredPattern(pattern));
    return wording;
}

const std::vector<Wording> &wordings()
{
    static const std::vector<Wording> known = [] {
        std::vector<Wording> made;
        for (const char *source : CoreMessageWordings::english())
            made.push_back(wordingOf(source));
        return made;
    }();
    return known;
}

// Puts each argument in place of its %n in one pass, so that an argument holding "%2" stays.
QString filledIn(const QString &text, const QStringList &arguments)
{
    QString filled;
    for (qsizetype at = 0; at < text.size(); ++at) {
        const int number = at + 1 < text.size() && text.at(at) == QLatin1Char('%') ? text.at(at + 1).digitValue() : -1;
        if (number >= 1 && number <= arguments.size()) {
            filled += arguments[number - 1];
            ++at;
        } else {
            filled += text.at(at);
        }
    }
    return filled;
}

// Where separator stands in text outside parentheses, which hold a nested reason with
// separators of its own; everywhere when they don't pair up (as in a name).
QList<qsizetype> separators(const QString &text, QLatin1String separator)
{
    QList<qsizetype> outside, all;
    int depth = 0;
    bool paired = true;
    for (qsizetype at = 0; at < text.size(); ++at) {
        if (text.at(at) == QLatin1Char('('))
            ++depth;
        else if (text.at(at) == QLatin1Char(')') && --depth < 0)
            paired = false;
        if (QStringView(text).sliced(at).startsWith(separator)) {
            all << at;
            if (depth == 0)
                outside << at;
        }
    }
    return paired && depth == 0 ? outside : all;
}

// Matching a wording backtracks over its placeholders, which a long name made of a wording's
// own words (in a mod) would make slow, and a name of many "a: b: ..." would nest deep; the
// core's lines are far shorter and nest a few levels, so a longer or deeper one stays as it is.
constexpr qsizetype LongestLine = 2000;
constexpr int DeepestNesting = 8;

QString translatedText(const QString &text, int depth);

// text as a whole is one wording: its translation, with every placeholder that is no name
// translated in its turn. Of several wordings the one that leaves least to its placeholders
// is meant ("there is no font sheet number %1 to replace" before "... number %1").
std::optional<QString> translatedWhole(const QString &text, bool startingWithWords, int depth)
{
    const Wording *best = nullptr;
    QRegularExpressionMatch bestMatch;
    qsizetype least = std::numeric_limits<qsizetype>::max();
    for (const Wording &wording : wordings()) {
        if (startingWithWords && !wording.startsWithWords)
            continue;
        QRegularExpressionMatch match = wording.english.match(text);
        if (!match.hasMatch())
            continue;
        qsizetype captured = 0;
        for (int k = 1; k <= match.lastCapturedIndex(); ++k)
            captured += match.capturedLength(k);
        if (captured < least) {
            best = &wording;
            bestMatch = std::move(match);
            least = captured;
        }
    }
    if (!best)
        return std::nullopt;
    QStringList arguments;
    for (int n = 1; n <= best->placeholders; ++n) {
        const QString argument = bestMatch.captured(QStringLiteral("p%1").arg(n));
        arguments << (best->quoted[n - 1] ? argument : translatedText(argument, depth + 1));
    }
    return filledIn(QCoreApplication::translate("CoreMessages", best->source), arguments);
}

// Parts joined by "; ": each a wording, or a "<name>: <reason>" of its own (a file inside an
// archive), or left as it is.
QString translatedParts(const QString &text, int depth)
{
    QStringList parts;
    qsizetype from = 0;
    for (qsizetype joint : separators(text, QLatin1String("; "))) {
        parts << text.sliced(from, joint - from);
        from = joint + 2;
    }
    parts << text.sliced(from);
    for (QString &part : parts) {
        if (const std::optional<QString> whole = translatedWhole(part, false, depth))
            part = *whole;
        else if (!separators(part, QLatin1String(": ")).isEmpty())
            part = translatedText(part, depth + 1);
    }
    return parts.join(QLatin1String("; "));
}

// One line: a wording as a whole (a note that lists names after its colon), else
// "<file>: <reason>" or a reason alone. The file is matched too, as a sentence may stand there.
QString translatedText(const QString &text, int depth)
{
    if (depth > DeepestNesting)
        return text;
    if (const std::optional<QString> whole = translatedWhole(text, true, depth))
        return *whole;
    const QList<qsizetype> colons = separators(text, QLatin1String(": "));
    if (colons.isEmpty())
        return translatedParts(text, depth);
    return translatedParts(text.first(colons.first()), depth) + QLatin1String(": ")
           + translatedParts(text.sliced(colons.first() + 2), depth);
}

} // namespace

QString CoreMessages::translated(const QString &english)
{
    QStringList lines = english.split(QLatin1Char('\n'));
    for (QString &line : lines)
        line = line.size() > LongestLine ? line : translatedText(line, 0);
    return lines.join(QLatin1Char('\n'));
}

QString CoreMessages::said(const Message &message)
{
    if (!message.wording())
        return translated(QString::fromStdString(message.english()));
    if (message.systemErrorCode() != 0) {
        const QString local = systemErrorText(message.systemErrorCode());
        const QString code = QString::number(message.systemErrorCode());
        return local.isEmpty() ? QCoreApplication::translate("CoreMessages", "error code %1").arg(code)
                               : filledIn(QCoreApplication::translate("CoreMessages", "error code %1 (%2)"), {code, local});
    }
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    QStringList arguments;
    for (const Message::Argument &argument : message.arguments()) {
        switch (argument.kind) {
        case Message::Argument::Kind::Name: arguments << QString::fromStdString(argument.name); break;
        case Message::Argument::Kind::Number: arguments << locale.toString(argument.number); break;
        case Message::Argument::Kind::Nested: arguments << said(argument.nested.front()); break;
        }
    }
    const QString wording = message.counted()
                                ? QCoreApplication::translate("CoreMessages", message.wording(), nullptr, int(message.countValue()))
                                : QCoreApplication::translate("CoreMessages", message.wording());
    return filledIn(wording, arguments);
}

QString CoreMessages::said(const std::exception &error)
{
    if (const auto *fileError = dynamic_cast<const GameFileError *>(&error))
        return said(fileError->message());
    return translated(QString::fromStdString(error.what()));
}
