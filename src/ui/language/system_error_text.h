#pragma once

#include <QString>

// The system's own text for an error code, in the language of QLocale() (the window's), or an
// empty text when the system has none in that language.
QString systemErrorText(long long code);
