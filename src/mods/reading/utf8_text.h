#pragma once

#include <string>
#include <string_view>

// Text as archives and manifests carry it: UTF-8, checked before it is trusted.
namespace Utf8Text {

// True for well-formed UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool isValid(std::string_view text);
// The text with ASCII letters lowered: how Windows would compare two names of one folder.
std::string foldedCase(std::string_view text);
// Bytes in code page 437, as older Windows zippers wrote names, as UTF-8.
std::string fromCp437(std::string_view bytes);

} // namespace Utf8Text
