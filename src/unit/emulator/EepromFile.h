#pragma once

#include <string>

#include "unit/emulator/EmulatedUnit.h"

// Where an emulated unit keeps its EEPROM between runs: a file of exactly
// 65,536 bytes, replaced atomically on every save so that a unit killed in
// the middle keeps either the old or the new memory, never half of each.
class EepromFile {
public:
    enum class LoadResult { Loaded, Missing, Refused };

    explicit EepromFile(std::string path) : m_strPath(std::move(path)) {}

    // A missing file leaves the unit as it is (erased when new); a file of
    // another size is refused and leaves it as it is too.
    LoadResult Load(EmulatedUnit& unit) const;
    bool Save(const EmulatedUnit& unit) const;

    const std::string& Path() const { return m_strPath; }

private:
    std::string m_strPath;
};
