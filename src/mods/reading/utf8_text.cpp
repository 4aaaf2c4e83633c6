#include "utf8_text.h"

#include <cstdint>

namespace Utf8Text {

bool isValid(std::string_view text)
{
    for (std::size_t k = 0; k < text.size();) {
        const auto lead = static_cast<std::uint8_t>(text[k]);
        if (lead < 0x80) {
            ++k;
            continue;
        }
        std::size_t length = 0;
        std::uint32_t code = 0, least = 0;
        if ((lead & 0xE0) == 0xC0) {
            length = 2, code = lead & 0x1F, least = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3, code = lead & 0x0F, least = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4, code = lead & 0x07, least = 0x10000;
        } else {
            return false;
        }
        if (text.size() - k < length)
            return false;
        for (std::size_t c = 1; c < length; ++c) {
            const auto next = static_cast<std::uint8_t>(text[k + c]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        k += length;
    }
    return true;
}

std::string foldedCase(std::string_view text)
{
    std::string folded(text);
    for (char &c : folded)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return folded;
}

} // namespace Utf8Text
