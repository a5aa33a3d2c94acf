#pragma once

#include <cstdint>
#include <string>

// One zone or station of a paging system, as an importer read it.
struct CImportRecord {
    int32_t m_nZoneId = 0;
    std::string m_strArch;
    std::string m_strName;
};
