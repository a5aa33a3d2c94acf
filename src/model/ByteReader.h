#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Reads little-endian values from a byte string. Every read is bounded: a read
// past the end fails, returns zero or nothing, and leaves the reader failed.
class ByteReader {
public:
    explicit ByteReader(std::string_view data) : m_data(data) {}

    bool Ok() const { return m_ok; }
    size_t Remaining() const { return m_data.size() - m_pos; }
    size_t Position() const { return m_pos; }

    uint8_t U8() { return static_cast<uint8_t>(Take(1)); }
    uint16_t U16() { return static_cast<uint16_t>(Take(2)); }
    uint32_t U32() { return static_cast<uint32_t>(Take(4)); }
    int16_t I16() { return static_cast<int16_t>(U16()); }
    int32_t I32() { return static_cast<int32_t>(U32()); }

    std::string Bytes(size_t n) {
        if (!Need(n)) return {};
        std::string s(m_data.substr(m_pos, n));
        m_pos += n;
        return s;
    }

    // Marks the reader failed, for a value that cannot be right.
    void Fail() { m_ok = false; }

private:
    bool Need(size_t n) {
        if (!m_ok || Remaining() < n) {
            m_ok = false;
            return false;
        }
        return true;
    }
    uint64_t Take(size_t n) {
        if (!Need(n)) return 0;
        uint64_t v = 0;
        for (size_t i = 0; i < n; ++i)
            v |= static_cast<uint64_t>(static_cast<uint8_t>(m_data[m_pos + i])) << (8 * i);
        m_pos += n;
        return v;
    }

    std::string_view m_data;
    size_t m_pos = 0;
    bool m_ok = true;
};
