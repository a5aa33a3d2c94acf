#pragma once

#include <cstdint>
#include <string>

// An Arch Number that no input uses: an unassigned paging zone (zone id 0 or
// more) or a non-pageable number an input gave up (negative zone id).
struct CZoneEntry {
    std::string m_strArch;
    std::string m_strName;
    int32_t m_nZoneId = 0;

    bool IsNonPageable() const { return m_nZoneId < 0; }
    bool operator==(const CZoneEntry&) const = default;
};
