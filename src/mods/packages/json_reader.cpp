#include "json_reader.h"

#include <cstdint>
#include <limits>

#include "game_file_error.h"
#include "utf8_text.h"

namespace {

constexpr int MaxDepth = 32;

class Parser {
public:
    explicit Parser(std::string_view text) : m_text(text) {}

    JsonValue document()
    {
        if (!Utf8Text::isValid(m_text))
            throw JsonError(CORE_WORDING("CoreMessages", "the text is not valid UTF-8"));
        JsonValue value = parseValue(0);
        skipSpace();
        if (m_at != m_text.size())
            fail(CORE_WORDING("CoreMessages", "there is more after the value"));
        return value;
    }

private:
    [[noreturn]] void fail(Message what) const
    {
        throw JsonError(Message(CORE_WORDING("CoreMessages", "at byte %1: %2")).number(static_cast<long long>(m_at)).nested(std::move(what)));
    }

    void skipSpace()
    {
        while (m_at < m_text.size() && (m_text[m_at] == ' ' || m_text[m_at] == '\t' || m_text[m_at] == '\n' || m_text[m_at] == '\r'))
            ++m_at;
    }

    char peek() const { return m_at < m_text.size() ? m_text[m_at] : '\0'; }

    void expect(char c, const char *what)
    {
        skipSpace();
        if (peek() != c)
            fail(what);
        ++m_at;
    }

    void literal(std::string_view word)
    {
        if (m_text.substr(m_at, word.size()) != word)
            fail(CORE_WORDING("CoreMessages", "expected a value"));
        m_at += word.size();
    }

    JsonValue parseValue(int depth)
    {
        skipSpace();
        switch (peek()) {
        case '{': return parseObject(depth + 1);
        case '[': return parseArray(depth + 1);
        case '"': return parseString();
        case 't': literal("true"); return true;
        case 'f': literal("false"); return false;
        case 'n': literal("null"); return {};
        default: return parseNumber();
        }
    }

    JsonValue parseObject(int depth)
    {
        if (depth > MaxDepth)
            fail(CORE_WORDING("CoreMessages", "the values are nested too deeply"));
        ++m_at;
        JsonValue::Object members;
        skipSpace();
        if (peek() == '}') {
            ++m_at;
            return members;
        }
        for (;;) {
            skipSpace();
            if (peek() != '"')
                fail(CORE_WORDING("CoreMessages", "expected a key in quotes"));
            const std::size_t keyAt = m_at;
            std::string key = parseString().string();
            for (const auto &member : members)
                if (member.first == key) {
                    m_at = keyAt;
                    fail(Message(CORE_WORDING("CoreMessages", "the key \"%1\" appears twice")).name(quotedForMessage(key)));
                }
            expect(':', CORE_WORDING("CoreMessages", "expected ':' after a key"));
            members.emplace_back(std::move(key), parseValue(depth));
            skipSpace();
            if (peek() == '}') {
                ++m_at;
                return members;
            }
            expect(',', CORE_WORDING("CoreMessages", "expected ',' or '}'"));
        }
    }

    JsonValue parseArray(int depth)
    {
        if (depth > MaxDepth)
            fail(CORE_WORDING("CoreMessages", "the values are nested too deeply"));
        ++m_at;
        JsonValue::Array items;
        skipSpace();
        if (peek() == ']') {
            ++m_at;
            return items;
        }
        for (;;) {
            items.push_back(parseValue(depth));
            skipSpace();
            if (peek() == ']') {
                ++m_at;
                return items;
            }
            expect(',', CORE_WORDING("CoreMessages", "expected ',' or ']'"));
        }
    }

    unsigned hexDigits()
    {
        unsigned value = 0;
        for (int k = 0; k < 4; ++k, ++m_at) {
            const char c = peek();
            value <<= 4;
            if (c >= '0' && c <= '9')
                value |= unsigned(c - '0');
            else if (c >= 'a' && c <= 'f')
                value |= unsigned(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F')
                value |= unsigned(c - 'A' + 10);
            else
                fail(CORE_WORDING("CoreMessages", "\\u needs four hex digits"));
        }
        return value;
    }

    static void append(std::string &text, std::uint32_t code)
    {
        if (code < 0x80) {
            text += char(code);
        } else if (code < 0x800) {
            text += char(0xC0 | (code >> 6));
            text += char(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            text += char(0xE0 | (code >> 12));
            text += char(0x80 | ((code >> 6) & 0x3F));
            text += char(0x80 | (code & 0x3F));
        } else {
            text += char(0xF0 | (code >> 18));
            text += char(0x80 | ((code >> 12) & 0x3F));
            text += char(0x80 | ((code >> 6) & 0x3F));
            text += char(0x80 | (code & 0x3F));
        }
    }

    std::uint32_t escapedCode()
    {
        const std::uint32_t first = hexDigits();
        if (first >= 0xDC00 && first <= 0xDFFF)
            fail(CORE_WORDING("CoreMessages", "a \\u escape holds half a character"));
        if (first < 0xD800 || first > 0xDBFF)
            return first;
        if (m_text.substr(m_at, 2) != "\\u")
            fail(CORE_WORDING("CoreMessages", "a \\u escape holds half a character"));
        m_at += 2;
        const std::uint32_t second = hexDigits();
        if (second < 0xDC00 || second > 0xDFFF)
            fail(CORE_WORDING("CoreMessages", "a \\u escape holds half a character"));
        return 0x10000 + ((first - 0xD800) << 10) + (second - 0xDC00);
    }

    JsonValue parseString()
    {
        ++m_at;
        std::string text;
        for (;;) {
            if (m_at >= m_text.size())
                fail(CORE_WORDING("CoreMessages", "the text ends inside quotes"));
            const char c = m_text[m_at++];
            if (c == '"')
                return text;
            if (static_cast<unsigned char>(c) < 0x20)
                fail(CORE_WORDING("CoreMessages", "a control character stands unescaped in quotes"));
            if (c != '\\') {
                text += c;
                continue;
            }
            const char e = peek();
            ++m_at;
            switch (e) {
            case '"': text += '"'; break;
            case '\\': text += '\\'; break;
            case '/': text += '/'; break;
            case 'b': text += '\b'; break;
            case 'f': text += '\f'; break;
            case 'n': text += '\n'; break;
            case 'r': text += '\r'; break;
            case 't': text += '\t'; break;
            case 'u': append(text, escapedCode()); break;
            default: --m_at; fail(CORE_WORDING("CoreMessages", "unknown escape"));
            }
        }
    }

    JsonValue parseNumber()
    {
        const std::size_t start = m_at;
        const bool negative = peek() == '-';
        if (negative)
            ++m_at;
        if (peek() < '0' || peek() > '9')
            fail(CORE_WORDING("CoreMessages", "expected a value"));
        if (peek() == '0' && m_at + 1 < m_text.size() && m_text[m_at + 1] >= '0' && m_text[m_at + 1] <= '9')
            fail(CORE_WORDING("CoreMessages", "a number starts with 0"));
        std::uint64_t magnitude = 0;
        const std::uint64_t limit = negative ? std::uint64_t(std::numeric_limits<std::int64_t>::max()) + 1
                                             : std::uint64_t(std::numeric_limits<std::int64_t>::max());
        while (peek() >= '0' && peek() <= '9') {
            const auto digit = std::uint64_t(peek() - '0');
            if (magnitude > (limit - digit) / 10) {
                m_at = start;
                fail(CORE_WORDING("CoreMessages", "the number is too large"));
            }
            magnitude = magnitude * 10 + digit;
            ++m_at;
        }
        if (peek() == '.' || peek() == 'e' || peek() == 'E')
            fail(CORE_WORDING("CoreMessages", "only whole numbers are taken"));
        if (!negative)
            return std::int64_t(magnitude);
        return magnitude == 0 ? std::int64_t(0) : std::int64_t(-std::int64_t(magnitude - 1) - 1);
    }

    std::string_view m_text;
    std::size_t m_at = 0;
};

} // namespace

namespace JsonReader {

JsonValue parse(std::string_view text)
{
    return Parser(text).document();
}

} // namespace JsonReader
