#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Builds the files of a Lunetta intercom folder from values chosen in a test.
// Fields the importer must not read are filled with 0x5A, so that a reader
// that looks at the wrong bytes gets wrong answers.
namespace LunettaFolder {

inline constexpr char kFiller = 0x5A;

struct Slot {
    uint8_t m_b0 = 0xFF;
    uint8_t m_b1 = 0xFF;
    // Up to 15 bytes; a shorter name is followed by NUL bytes.
    std::string m_strName;
};

// 32 bytes: [0] filler, [1..2] station number, [3..9] filler, [10..24] name, [25..31] filler.
inline std::string SlotBytes(const Slot& slot) {
    std::string name = slot.m_strName;
    name.resize(15, '\0');
    return std::string(1, kFiller) + static_cast<char>(slot.m_b0) + static_cast<char>(slot.m_b1) +
           std::string(7, kFiller) + name + std::string(7, kFiller);
}

// A board file; slots not given are empty (0xFF 0xFF) up to 24.
inline std::string BoardFile(std::vector<Slot> stations, size_t slotCount = 24) {
    stations.resize(slotCount);
    std::string bytes;
    for (const Slot& s : stations) bytes += SlotBytes(s);
    return bytes;
}

// 28-byte records: [0] filler, [1..2] administrator number, [3..27] filler.
inline std::string AdminFile(const std::vector<std::pair<uint8_t, uint8_t>>& numbers) {
    std::string bytes;
    for (const auto& [b0, b1] : numbers)
        bytes += std::string(1, kFiller) + static_cast<char>(b0) + static_cast<char>(b1) +
                 std::string(25, kFiller);
    return bytes;
}

// Lines 1 to 4 are a header the importer skips; `boardLines` are lines 5 on.
inline std::string TdxFile(const std::vector<std::string>& boardLines) {
    std::string text = "LUNETTA 0\n0000\nboards 0\n0\n";
    for (const std::string& line : boardLines) text += line + "\n";
    return text;
}

}  // namespace LunettaFolder
