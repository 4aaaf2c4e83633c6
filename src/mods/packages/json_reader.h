#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "json_value.h"
#include "message.h"

// JSON text that can't be read: why() says where (the byte offset) and what is wrong, and
// what() the same in English.
class JsonError : public MessageError {
public:
    using MessageError::MessageError;
};

namespace JsonReader {

// Reads JSON text strictly (RFC 8259): UTF-8 only, no byte order mark, no comments, no trailing
// commas, no duplicate keys, nothing after the value, at most 32 levels deep; numbers must be
// whole and fit 64 bits. Throws JsonError.
JsonValue parse(std::string_view text);

} // namespace JsonReader
