#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Appends little-endian values to a byte string.
class ByteWriter {
public:
    void U8(uint8_t v) { m_bytes.push_back(static_cast<char>(v)); }
    void U16(uint16_t v) {
        U8(static_cast<uint8_t>(v));
        U8(static_cast<uint8_t>(v >> 8));
    }
    void U32(uint32_t v) {
        U16(static_cast<uint16_t>(v));
        U16(static_cast<uint16_t>(v >> 16));
    }
    void I16(int16_t v) { U16(static_cast<uint16_t>(v)); }
    void I32(int32_t v) { U32(static_cast<uint32_t>(v)); }
    void Bytes(std::string_view s) { m_bytes.append(s); }

    const std::string& Data() const { return m_bytes; }
    std::string Take() { return std::move(m_bytes); }

private:
    std::string m_bytes;
};
