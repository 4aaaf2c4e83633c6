#pragma once

#include <string>
#include <string_view>

// Text as archives and manifests carry it: UTF-8, checked before it is trusted.
namespace Utf8Text {

// True for well-formed UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool isValid(std::string_view text);
// The text with ASCII letters lowered: how Windows would compare two names of one folder.
std::string foldedCase(std::string_view text);

} // namespace Utf8Text
