#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <variant>
#include <vector>

// A JSON value as the mod manifests and the record of installed mods hold them: null, true or
// false, whole numbers, text, arrays and objects whose keys keep their order and are unique.
class JsonValue {
public:
    using Array = std::vector<JsonValue>;
    using Object = std::vector<std::pair<std::string, JsonValue>>;

    JsonValue() = default;
    JsonValue(bool value) : m_value(value) {}
    JsonValue(int value) : m_value(std::int64_t(value)) {}
    JsonValue(std::int64_t value) : m_value(value) {}
    JsonValue(std::string value) : m_value(std::move(value)) {}
    JsonValue(const char *value) : m_value(std::string(value)) {}
    JsonValue(Array value) : m_value(std::move(value)) {}
    JsonValue(Object value) : m_value(std::move(value)) {}

    bool isNull() const { return std::holds_alternative<std::nullptr_t>(m_value); }
    bool isBool() const { return std::holds_alternative<bool>(m_value); }
    bool isInteger() const { return std::holds_alternative<std::int64_t>(m_value); }
    bool isString() const { return std::holds_alternative<std::string>(m_value); }
    bool isArray() const { return std::holds_alternative<Array>(m_value); }
    bool isObject() const { return std::holds_alternative<Object>(m_value); }

    // The value held; each may only be asked of a value of its kind.
    bool boolean() const { return std::get<bool>(m_value); }
    std::int64_t integer() const { return std::get<std::int64_t>(m_value); }
    const std::string &string() const { return std::get<std::string>(m_value); }
    const Array &array() const { return std::get<Array>(m_value); }
    const Object &object() const { return std::get<Object>(m_value); }

    // The member named key of an object; null when there is none or this is no object.
    const JsonValue *find(const std::string &key) const;
    // The text of the value: two spaces of indentation, an array or object of plain values on one
    // line, non-ASCII letters as they are. The same value always gives the same text.
    std::string dump() const;

    bool operator==(const JsonValue &) const = default;

private:
    void dumpInto(std::string &text, int depth) const;

    std::variant<std::nullptr_t, bool, std::int64_t, std::string, Array, Object> m_value = nullptr;
};
