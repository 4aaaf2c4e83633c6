#pragma once

#ifdef _WIN32

#include <string>

// File names on Windows: the program keeps them in UTF-8 and hands the system UTF-16.
namespace WindowsPath {
// A UTF-8 path as the wide-character file calls take it: absolute, with one backslash between
// names, and the \\?\ prefix so that neither its length nor a trailing dot or space limits it.
std::wstring wide(const std::string &utf8Path);
// UTF-16 text as UTF-8.
std::string narrow(const std::wstring &text);
// UTF-8 text as UTF-16, unchanged otherwise.
std::wstring widen(const std::string &text);
}

#endif
