#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "game_file_error.h"

// Reads little-endian fields from a file image held in memory. Every read checks the
// remaining length first; running past the end raises the file's "reading beyond the end" error.
class ByteReader {
public:
    ByteReader(const std::string &path, const std::uint8_t *data, std::size_t size)
        : m_path(path), m_data(data), m_size(size) {}

    std::size_t offset() const { return m_offset; }
    std::size_t remaining() const { return m_size - m_offset; }
    const std::string &path() const { return m_path; }

    std::uint8_t u8() { need(1); return m_data[m_offset++]; }
    std::uint16_t u16()
    {
        need(2);
        const std::uint8_t *p = m_data + m_offset;
        m_offset += 2;
        return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
    }
    std::uint32_t u32()
    {
        need(4);
        const std::uint8_t *p = m_data + m_offset;
        m_offset += 4;
        return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[3]) << 24);
    }
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }
    void bytes(void *into, std::size_t count)
    {
        need(count);
        if (count)
            std::memcpy(into, m_data + m_offset, count);
        m_offset += count;
    }
    void skip(std::size_t count) { need(count); m_offset += count; }
    const std::uint8_t *peek(std::size_t count) { need(count); return m_data + m_offset; }

    // Raises the short-read error unless count more bytes are there; detail says what was expected.
    void need(std::size_t count, const Message &detail = {}) const
    {
        if (count > remaining())
            throw GameFileError(m_path, detail.empty() ? Message(FailureText::BeyondEnd)
                                                       : Message(CORE_WORDING("CoreMessages", "reading beyond the end of the file (%1)")).nested(detail));
    }

private:
    std::string m_path;
    const std::uint8_t *m_data;
    std::size_t m_size;
    std::size_t m_offset = 0;
};

// Appends little-endian fields to a byte buffer.
class ByteWriter {
public:
    explicit ByteWriter(std::vector<std::uint8_t> &out) : m_out(out) {}

    void u8(std::uint8_t v) { m_out.push_back(v); }
    void u16(std::uint16_t v) { m_out.push_back(std::uint8_t(v)); m_out.push_back(std::uint8_t(v >> 8)); }
    void u32(std::uint32_t v)
    {
        for (int shift = 0; shift < 32; shift += 8)
            m_out.push_back(std::uint8_t(v >> shift));
    }
    void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
    void bytes(const void *from, std::size_t count)
    {
        const auto *p = static_cast<const std::uint8_t *>(from);
        m_out.insert(m_out.end(), p, p + count);
    }

private:
    std::vector<std::uint8_t> &m_out;
};
