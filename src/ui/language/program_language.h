#pragma once

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

class QObject;

// The language the window speaks: the one "--language CODE" names, else the settings value
// "Language", else the first of the system's languages that Tessary speaks, else English.
// tessary-cli stays English: scripts read it.
namespace ProgramLanguage {

// The languages shipped beside English, as their translation files name them.
const QStringList &shipped();
// The shipped language a code names ("de", "de_AT", "pt-BR", "en"), or an empty text when
// Tessary doesn't speak it. English is "en".
QString matching(const QString &code);
// The first of option, setting and the system's languages (most wanted first) that Tessary
// speaks; "en" when none.
QString choose(const QString &option, const QString &setting, const QStringList &systemLanguages);
// The code after "--language" ("--language de" or "--language=de") among the options; empty
// when there is none. The argument is taken out of args, so that Qt doesn't see it.
QString takeOption(int &argc, char **argv);
// Loads the program's translation and Qt's own for code into the application, as children of
// owner (deleting them takes them out again); English loads nothing. False when a translation
// of code is missing.
bool install(QObject *owner, const QString &code);

} // namespace ProgramLanguage
