#include "json_value.h"

#include <cstdio>

namespace {

void quote(std::string &text, const std::string &value)
{
    text += '"';
    for (const char c : value) {
        switch (c) {
        case '"': text += "\\\""; break;
        case '\\': text += "\\\\"; break;
        case '\n': text += "\\n"; break;
        case '\t': text += "\\t"; break;
        case '\r': text += "\\r"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", unsigned(static_cast<unsigned char>(c)));
                text += escaped;
            } else {
                text += c;
            }
        }
    }
    text += '"';
}

bool plain(const JsonValue &value)
{
    return !value.isArray() && !value.isObject();
}

bool allPlain(const JsonValue &value)
{
    if (value.isArray()) {
        for (const JsonValue &item : value.array())
            if (!plain(item))
                return false;
    } else if (value.isObject()) {
        for (const auto &member : value.object())
            if (!plain(member.second))
                return false;
    }
    return true;
}

void newLine(std::string &text, int depth)
{
    text += '\n';
    text.append(std::size_t(depth) * 2, ' ');
}

} // namespace

const JsonValue *JsonValue::find(const std::string &key) const
{
    if (!isObject())
        return nullptr;
    for (const auto &member : object())
        if (member.first == key)
            return &member.second;
    return nullptr;
}

std::string JsonValue::dump() const
{
    std::string text;
    dumpInto(text, 0);
    return text + "\n";
}

void JsonValue::dumpInto(std::string &text, int depth) const
{
    if (isNull()) {
        text += "null";
    } else if (isBool()) {
        text += boolean() ? "true" : "false";
    } else if (isInteger()) {
        text += std::to_string(integer());
    } else if (isString()) {
        quote(text, string());
    } else {
        const bool oneLine = allPlain(*this);
        const bool isList = isArray();
        const std::size_t count = isList ? array().size() : object().size();
        text += isList ? '[' : '{';
        for (std::size_t k = 0; k < count; ++k) {
            if (k > 0)
                text += oneLine ? ", " : ",";
            if (!oneLine)
                newLine(text, depth + 1);
            if (isList) {
                array()[k].dumpInto(text, depth + 1);
            } else {
                quote(text, object()[k].first);
                text += ": ";
                object()[k].second.dumpInto(text, depth + 1);
            }
        }
        if (!oneLine && count > 0)
            newLine(text, depth);
        text += isList ? ']' : '}';
    }
}
