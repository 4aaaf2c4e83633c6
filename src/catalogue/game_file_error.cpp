#include "game_file_error.h"

#include <vector>

GameFileError::GameFileError(std::string path, Message reason)
    : std::runtime_error(path + ": " + reason.english()), m_path(std::move(path)), m_reason(std::move(reason))
{
}

namespace {

// The length of the UTF-8 sequence that starts text at at, or 0 when none does.
std::size_t utf8Length(std::string_view text, std::size_t at)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(at);
    const std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x06 ? 2 : (lead >> 4) == 0x0E ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || at + length > text.size() || (length == 2 && lead < 0xC2))
        return 0;
    for (std::size_t k = 1; k < length; ++k)
        if ((byte(at + k) & 0xC0) != 0x80)
            return 0;
    // Overlong forms, surrogates and code points past U+10FFFF are not UTF-8 either.
    if ((lead == 0xE0 && byte(at + 1) < 0xA0) || (lead == 0xED && byte(at + 1) >= 0xA0) || (lead == 0xF0 && byte(at + 1) < 0x90)
        || lead > 0xF4 || (lead == 0xF4 && byte(at + 1) >= 0x90))
        return 0;
    return length;
}

// Each character of part as it is shown in a message.
std::vector<std::string> shownCharacters(std::string_view part)
{
    static const char hex[] = "0123456789ABCDEF";
    std::vector<std::string> shown;
    for (std::size_t at = 0; at < part.size();) {
        const std::size_t length = utf8Length(part, at);
        const auto lead = static_cast<unsigned char>(part[at]);
        if (length == 0 || lead < 0x20 || lead == 0x7F) {
            shown.push_back(std::string("\\x") + hex[lead >> 4] + hex[lead & 15]);
            ++at;
        } else {
            shown.emplace_back(part.substr(at, length));
            at += length;
        }
    }
    return shown;
}

std::string joined(const std::vector<std::string> &parts, std::size_t from, std::size_t to)
{
    std::string text;
    for (std::size_t k = from; k < to; ++k)
        text += parts[k];
    return text;
}

} // namespace

std::string quotedForMessage(std::string_view text, std::size_t limit)
{
    // Only the two ends of a huge text are looked at: each holds more than limit characters.
    const std::size_t window = 4 * limit + 4;
    const bool huge = text.size() > 2 * window;
    const std::vector<std::string> head = shownCharacters(huge ? text.substr(0, window) : text);
    if (!huge && head.size() <= limit)
        return joined(head, 0, head.size());
    const std::vector<std::string> tail = huge ? shownCharacters(text.substr(text.size() - window)) : head;
    const std::size_t headCount = limit / 2, tailCount = limit > headCount ? limit - headCount - 1 : 0;
    return joined(head, 0, headCount) + "\u2026" + joined(tail, tail.size() - tailCount, tail.size());
}
