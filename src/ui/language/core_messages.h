#pragma once

#include <QString>

#include <exception>

class Message;

// The core speaks English only (it has no Qt): its messages are "<file>: <reason>", the reason
// made of parts joined by "; ", and its reports (a folder import's summary, a write-back that
// was cut short, a mod's notes) are sentences of the same kind, one a line. The window shows
// them in the user's language: each line, file and part that matches one of the core's known
// wordings is translated, and so is a reason nested in one of its placeholders; a file name
// stays as it is, and so does a part of no known wording.
namespace CoreMessages {
QString translated(const QString &english);
// A message of the core in the user's language: its wording translated, its names as they are,
// its numbers as the locale writes them, and each nested message said in its turn.
QString said(const Message &message);
// What an error of the core says ("<file>: <reason>"); any other error's text.
QString said(const std::exception &error);
}
