#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "support/Configs.h"

// A four-port site without camera interface units, every kind of record once:
//   Input 1 (code 0)   non-pageable 9999 "Lobby"
//   Input 2 (code 32)  pageable 21, zone 7, "Hall"
//   Input 3 (code 64)  pageable #*, zone 300, "Gym" padded to 15 characters
//   Input 4 (code 96)  pageable 1234, zone 9, no name
//   zones: 30 "Store" zone 12; 9998 "Old" zone -1 (a number an input gave up)
inline void MakeSmallSite(CZRTProDoc& doc, MemoryTree& tree) {
    BuildFromRecords(
        doc, tree,
        {{0, "9999", "Lobby"}, {7, "21", "Hall"}, {300, "#*", "Gym            "}, {9, "1234", ""}},
        4, 0);
    CConfigNode& lobby = doc.m_nodes[3];
    lobby.MakeNonPageable();
    lobby.m_nZoneId = lobby.m_nOrigZoneId = -1;
    doc.m_zones = {{"30", "Store", 12}, {"9998", "Old", -1}};
    doc.m_idleLoop = {"21", "9999"};
    doc.m_bIdleNoVideo = 1;
    doc.m_nIdleDelay = 5;
    doc.m_nPriority = 1;
    doc.m_nPagingSystem = kPagingQuillon;
    doc.m_nDialDigits = 3;
    doc.m_byTimeRefresh = 3;
    doc.m_adminArch = {501, 502, 503, 7};
}

// An image of erased cells with `bytes` placed from `address` on.
class ImageCells {
public:
    ImageCells() : m_image(65536, 0xFF) {}
    ImageCells& Put(size_t address, const std::string& bytes) {
        for (size_t k = 0; k < bytes.size(); ++k)
            m_image.at(address + k) = static_cast<uint8_t>(bytes[k]);
        return *this;
    }
    const std::vector<uint8_t>& Image() const { return m_image; }

private:
    std::vector<uint8_t> m_image;
};

// Addresses where two images differ, for readable failures.
inline std::vector<size_t> DifferingCells(const std::vector<uint8_t>& a,
                                          const std::vector<uint8_t>& b) {
    std::vector<size_t> cells;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i)
        if (a[i] != b[i]) cells.push_back(i);
    if (a.size() != b.size()) cells.push_back(std::min(a.size(), b.size()));
    return cells;
}
