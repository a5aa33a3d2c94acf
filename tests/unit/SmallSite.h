#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "support/Bytes.h"
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

// A name field: the text, then NULs to 16 bytes.
inline std::string Name(const std::string& text) {
    return text + std::string(16 - text.size(), '\0');
}

// The small site's image, cell by cell.
inline std::vector<uint8_t> SmallSiteImage() {
    ImageCells cells;
    // Arch table: value -> input code.
    cells.Put(16965, Bytes().u8({0x00}));  // 9999 = 9*1728 + 9*144 + 9*12 + 9
    cells.Put(25, Bytes().u8({0x20}));     // 21 = 2*12 + 1
    cells.Put(142, Bytes().u8({0x40}));    // #* = 11*12 + 10
    cells.Put(2056, Bytes().u8({0x60}));   // 1234 = 1728 + 2*144 + 3*12 + 4
    // Recon records: pageable inputs, zones, non-pageable inputs.
    cells.Put(0x5208, Bytes().i16(7).u8({0x20}).raw("  21").u8({0}).raw(Name("Hall")));
    cells.Put(0x5220, Bytes().i16(300).u8({0x40}).raw("  #*").u8({0}).raw(Name("Gym            ")));
    cells.Put(0x5238, Bytes().i16(9).u8({0x60}).raw("1234").u8({0}).raw(Name("")));
    cells.Put(0x5250, Bytes().i16(12).u8({0xFF}).raw("  30").u8({0}).raw(Name("Store")));
    cells.Put(0x5268, Bytes().u8({0x00, 0x80, 0xFF}).raw("9998").u8({0}).raw(Name("Old")));
    cells.Put(0x5280, Bytes().u8({0x00, 0x80, 0x00}).raw("9999").u8({0}).raw(Name("Lobby")));
    // Idle records with "no video", then the terminator.
    cells.Put(0x8000, Bytes().u8({0x20, 0xA1}).raw("  21").u8({0}));
    cells.Put(0x8007, Bytes().u8({0x00, 0xA1}).raw("9999").u8({0}));
    cells.Put(0x800E, Bytes().u8({0xFF, 0x00}).raw("INVL").u8({0}));
    // Settings block.
    cells.Put(0xFFCF, Bytes().u8({0x03}));        // time refresh from PC and SMDR
    cells.Put(0xFFDE, Bytes().u8({0x02, 0x00}));  // Quillon with 3 digits; no expansion unit
    cells.Put(0xFFE0, Bytes().raw(" 501").u8({0}).raw(" 502").u8({0}).raw(" 503").u8({0}));
    cells.Put(0xFFEF, Bytes().raw("   7").u8({0}));
    cells.Put(0xFFF5, Bytes().u8({0x02, 0x03}).i16(5));       // SMDR first; 5 seconds
    cells.Put(0xFFF9, Bytes().u8({0xBA, 0xFF, 0xAF, 0xFF}));  // Quillon signature
    return cells.Image();
}
