#pragma once

#include <cstdint>
#include <string>

#include "import/CPagingImporter.h"

// Reads a Quillon paging system's .qpx file (versions 1 to 4): one record per
// zone that has a dial code and is in use. Zone names are not in the file.
class CQuillonImporter : public CPagingImporter {
public:
    using CPagingImporter::CPagingImporter;

    ImportStatus Read(const std::string& path) override;

    static constexpr int kZones = 136;
};

// A zone's dial code: four digit codes, least significant nibble first; 0-9
// are digits, 11 is "*", 12 is "#", and 10, 13, 14 or 15 end the code.
std::string DecodeDialCode(uint16_t value);
