#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/CImportRecord.h"
#include "model/Prompter.h"

using ImportStatus = uint32_t;
inline constexpr ImportStatus IMPORT_OK = 0;
inline constexpr ImportStatus IMPORT_FAILED = 0x80000000;
inline constexpr ImportStatus IMPORT_NO_BOARDS = 0x40000000;

// A reader of one paging system's export. Read empties m_records first; after
// any outcome the list holds what was read, and the callers build from it.
class CPagingImporter {
public:
    explicit CPagingImporter(Prompter& prompter) : m_prompter(prompter) {}
    virtual ~CPagingImporter() = default;

    virtual ImportStatus Read(const std::string& path) = 0;

    std::vector<CImportRecord> m_records;

protected:
    Prompter& m_prompter;
};
