#include "unit/link/LinkFrame.h"

#include <array>

#include "unit/link/LinkProtocol.h"

namespace {

constexpr std::array<uint8_t, 256> MakeCrcTable() {
    std::array<uint8_t, 256> table{};
    for (int i = 0; i < 256; ++i) {
        uint8_t crc = static_cast<uint8_t>(i);
        for (int bit = 0; bit < 8; ++bit)
            crc = static_cast<uint8_t>((crc & 0x80) ? (crc << 1) ^ 0x07 : crc << 1);
        table[static_cast<size_t>(i)] = crc;
    }
    return table;
}

constexpr std::array<uint8_t, 256> kCrcTable = MakeCrcTable();

}  // namespace

uint8_t LinkCrc8(std::span<const uint8_t> bytes) {
    uint8_t crc = 0;
    for (uint8_t b : bytes) crc = kCrcTable[crc ^ b];
    return crc;
}

std::vector<uint8_t> EncodeFrame(std::span<const uint8_t> lop) {
    if (lop.empty()) return {};
    const size_t body = lop[0];
    if (body < 1 || body > LinkProtocol::kMaxBody || lop.size() < body + 1) return {};
    std::vector<uint8_t> frame(lop.begin(), lop.begin() + static_cast<std::ptrdiff_t>(body + 1));
    frame.push_back(LinkCrc8(frame));
    return frame;
}
