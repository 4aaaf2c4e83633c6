#include "program_language.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

#include <cstring>

const QStringList &ProgramLanguage::shipped()
{
    static const QStringList languages{QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("it"), QStringLiteral("es"),
                                       QStringLiteral("nl"), QStringLiteral("pl"), QStringLiteral("pt_BR")};
    return languages;
}

QString ProgramLanguage::matching(const QString &code)
{
    QString wanted = code.trimmed();
    wanted.replace(QLatin1Char('-'), QLatin1Char('_'));
    const QString language = wanted.section(QLatin1Char('_'), 0, 0).toLower();
    if (language == QLatin1String("en"))
        return QStringLiteral("en");
    // Portuguese from Portugal reads Brazilian Portuguese far better than English.
    if (language == QLatin1String("pt"))
        return QStringLiteral("pt_BR");
    return shipped().contains(language) ? language : QString();
}

QString ProgramLanguage::choose(const QString &option, const QString &setting, const QStringList &systemLanguages)
{
    for (const QString &wanted : QStringList{option, setting} + systemLanguages) {
        if (const QString found = matching(wanted); !found.isEmpty())
            return found;
    }
    return QStringLiteral("en");
}

QString ProgramLanguage::takeOption(int &argc, char **argv)
{
    QString code;
    int kept = 1;
    for (int k = 1; k < argc; ++k) {
        if (std::strcmp(argv[k], "--") == 0) {
            while (k < argc)
                argv[kept++] = argv[k++];
            break;
        }
        if (std::strcmp(argv[k], "--language") == 0 && k + 1 < argc) {
            code = QString::fromLocal8Bit(argv[++k]);
            continue;
        }
        if (std::strncmp(argv[k], "--language=", 11) == 0) {
            code = QString::fromLocal8Bit(argv[k] + 11);
            continue;
        }
        argv[kept++] = argv[k];
    }
    argc = kept;
    return code;
}

bool ProgramLanguage::install(QObject *owner, const QString &code)
{
    // Dates and numbers, and Qt's own dialogs, follow the window's language; English keeps the
    // user's region (an English window in Germany still writes 9 Dec 2026, 24-hour).
    QLocale::setDefault(code == QLatin1String("en") ? QLocale(QLocale::English, QLocale::system().territory()) : QLocale(code));
    // English takes its texts from the sources, and from its file only their plural forms.
    if (code == QLatin1String("en")) {
        auto *plurals = new QTranslator(owner);
        if (plurals->load(QStringLiteral(":/i18n/tessary_en.qm")))
            QCoreApplication::installTranslator(plurals);
        else
            delete plurals;
        return true;
    }
    // Qt's own texts first: the translator installed last is asked first, so the program's
    // win where both have one.
    const QString files[] = {QStringLiteral(":/qt/translations/qtbase_%1.qm").arg(code), QStringLiteral(":/i18n/tessary_%1.qm").arg(code)};
    bool all = true;
    for (const QString &file : files) {
        auto *translator = new QTranslator(owner);
        if (translator->load(file)) {
            QCoreApplication::installTranslator(translator);
        } else {
            delete translator;
            all = false;
        }
    }
    return all;
}
