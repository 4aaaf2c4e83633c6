#pragma once

#include <QString>

#include <exception>

class Message;

// The core speaks English only (it has no Qt), but builds what it says as values: a wording and
// its arguments. The window says them in the user's language.
namespace CoreMessages {
// A message of the core in the user's language: its wording translated (context
// "CoreMessages"), its names as they are, its numbers as the locale writes them, and each
// nested message said in its turn. English made elsewhere (a library's own words) stays as it is.
QString said(const Message &message);
// What an error of the core says ("<file>: <reason>"); any other error's own text.
QString said(const std::exception &error);
}
