#pragma once

#include <cstdint>
#include <map>
#include <string>

// Builds a Quillon .qpx file from values chosen in a test. Blocks the
// importer skips are filled with 0x5A; zone entries carry 0x5A in the bytes
// that are not interpreted.
class QpxFile {
public:
    explicit QpxFile(uint32_t version) : m_nVersion(version) {}

    // Zone `z`'s use byte (byte 3 of its entry) and dial code; zones not
    // given are in use (0x00) with the empty code 0xFFFF.
    QpxFile& Zone(int z, uint8_t useByte, uint16_t code) {
        m_use[z] = useByte;
        m_codes[z] = code;
        return *this;
    }
    // Any value of the dial code table, zone or not.
    QpxFile& Code(int index, uint16_t code) {
        m_codes[index] = code;
        return *this;
    }

    std::string Bytes() const {
        std::string b;
        U32(b, m_nVersion);
        if (m_nVersion >= 2) b += "EXTRA-8B";
        Filler(b, 8 + 1 + 15);  // block header, one byte, settings block
        Filler(b, 8);
        for (int z = 0; z < 136; ++z) {
            Filler(b, 3);
            const auto use = m_use.find(z);
            b += static_cast<char>(use == m_use.end() ? 0x00 : use->second);
        }
        Filler(b, 8 + 33 * 28);
        Filler(b, 8);
        for (int i = 0; i < 233; ++i) {
            const auto code = m_codes.find(i);
            U16(b, code == m_codes.end() ? 0xFFFF : code->second);
        }
        return b;
    }

private:
    static void Filler(std::string& b, size_t n) { b.append(n, '\x5A'); }
    static void U16(std::string& b, uint16_t v) {
        b += static_cast<char>(v & 0xFF);
        b += static_cast<char>(v >> 8);
    }
    static void U32(std::string& b, uint32_t v) {
        U16(b, static_cast<uint16_t>(v));
        U16(b, static_cast<uint16_t>(v >> 16));
    }

    uint32_t m_nVersion;
    std::map<int, uint8_t> m_use;
    std::map<int, uint16_t> m_codes;
};
