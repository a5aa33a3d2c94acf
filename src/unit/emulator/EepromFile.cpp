#include "unit/emulator/EepromFile.h"

#include <filesystem>

#include "model/FileIo.h"

EepromFile::LoadResult EepromFile::Load(EmulatedUnit& unit) const {
    std::error_code ec;
    if (!std::filesystem::exists(m_strPath, ec)) return LoadResult::Missing;
    const auto bytes = ReadWholeFile(m_strPath, EmulatedUnit::kEepromSize);
    if (!bytes) return LoadResult::Refused;
    const auto* data = reinterpret_cast<const uint8_t*>(bytes->data());
    return unit.LoadEeprom({data, bytes->size()}) ? LoadResult::Loaded : LoadResult::Refused;
}

bool EepromFile::Save(const EmulatedUnit& unit) const {
    const std::vector<uint8_t>& cells = unit.Eeprom();
    return WriteFileAtomically(m_strPath,
                               {reinterpret_cast<const char*>(cells.data()), cells.size()});
}
