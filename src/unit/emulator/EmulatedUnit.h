#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The unit as the program sees it, without any transport: a 65,536-byte
// EEPROM, programming mode and a clock. It turns one LOP message into its
// reply, or into nothing when the unit would not answer (a malformed message,
// an unknown opcode, or any message outside programming mode). The password
// lives in its EEPROM cells 0xFFD0-0xFFD8, as the write places it; reads show
// those cells as 0xFF, since a unit never discloses its password.
class EmulatedUnit {
public:
    static constexpr size_t kEepromSize = 65536;

    EmulatedUnit();

    std::optional<std::vector<uint8_t>> HandleLop(std::span<const uint8_t> message);

    // True when `password` opens the unit; a unit without a password takes any.
    bool CheckPassword(const std::string& password) const;
    std::string Password() const;

    void SetProgrammingMode(bool on) { m_bProgramming = on; }
    bool InProgrammingMode() const { return m_bProgramming; }

    // The raw cells, password included.
    const std::vector<uint8_t>& Eeprom() const { return m_eeprom; }
    // Replaces the cells; false (and nothing changed) unless exactly 65,536 bytes.
    bool LoadEeprom(std::span<const uint8_t> cells);
    void SetCell(uint16_t address, uint8_t value);
    // Counts every change of the cells, so an owner knows when to save them.
    uint64_t Revision() const { return m_nRevision; }

    // The last time set by the program, as sent ("03/09/04 08:05:07"); empty before.
    const std::string& ClockText() const { return m_strClock; }

private:
    uint8_t ReadCell(size_t address) const;

    std::vector<uint8_t> m_eeprom;
    bool m_bProgramming = false;
    std::string m_strClock;
    uint64_t m_nRevision = 0;
};
