#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

// Builds expected bytes by hand in a test.
class Bytes {
public:
    Bytes& u8(std::initializer_list<int> values) {
        for (int v : values) m_data.push_back(static_cast<char>(v));
        return *this;
    }
    Bytes& i16(int v) { return u8({v & 0xFF, (v >> 8) & 0xFF}); }
    Bytes& i32(int64_t v) {
        const auto u = static_cast<uint32_t>(v);
        return u8({static_cast<int>(u & 0xFF), static_cast<int>((u >> 8) & 0xFF),
                   static_cast<int>((u >> 16) & 0xFF), static_cast<int>(u >> 24)});
    }
    // A text with a one-byte length prefix.
    Bytes& str(const std::string& s) {
        u8({static_cast<int>(s.size())});
        m_data += s;
        return *this;
    }
    Bytes& raw(const std::string& s) {
        m_data += s;
        return *this;
    }
    const std::string& data() const { return m_data; }
    operator std::string() const { return m_data; }

private:
    std::string m_data;
};
