#pragma once

#include <QString>

// The core speaks English only (it has no Qt): its messages are "<file>: <reason>", the reason
// made of parts joined by "; ". The window shows them in the user's language: the file stays
// as it is, and each part that matches one of the core's known wordings is translated; a part
// of no known wording stays English.
namespace CoreMessages {
QString translated(const QString &english);
}
