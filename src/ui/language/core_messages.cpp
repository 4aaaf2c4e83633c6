#include "core_messages.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

#include "game_file_error.h"
#include "message.h"
#include "system_error_text.h"

namespace {

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

QString translated(const char *wording) { return QCoreApplication::translate("CoreMessages", wording); }

} // namespace

QString CoreMessages::said(const Message &message)
{
    if (!message.wording())
        return QString::fromStdString(message.english());
    if (message.systemErrorCode() != 0) {
        const QString local = systemErrorText(message.systemErrorCode());
        const QString code = QString::number(message.systemErrorCode());
        return local.isEmpty() ? filledIn(translated("error code %1"), {code}) : filledIn(translated("error code %1 (%2)"), {code, local});
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
    // Qt puts the count in place of %n, in the plural form the language has for it.
    const QString wording = message.counted()
                                ? QCoreApplication::translate("CoreMessages", message.wording(), nullptr, int(message.countValue()))
                                : translated(message.wording());
    return filledIn(wording, arguments);
}

QString CoreMessages::said(const std::exception &error)
{
    if (const auto *fileError = dynamic_cast<const GameFileError *>(&error))
        return said(fileError->message());
    if (const auto *messageError = dynamic_cast<const MessageError *>(&error))
        return said(messageError->why());
    return QString::fromUtf8(error.what());
}
