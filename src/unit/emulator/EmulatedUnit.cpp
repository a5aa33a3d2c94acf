#include "unit/emulator/EmulatedUnit.h"

#include <algorithm>

#include "unit/LopMessages.h"
#include "unit/UnitImageLayout.h"

namespace {

constexpr size_t kClearBlockSize = 0x8000;

uint16_t AddressOf(std::span<const uint8_t> message) {
    return static_cast<uint16_t>(message[2] | (message[3] << 8));
}

}  // namespace

EmulatedUnit::EmulatedUnit() : m_eeprom(kEepromSize, UnitImage::kErased) {}

uint8_t EmulatedUnit::ReadCell(size_t address) const {
    address %= kEepromSize;
    if (address >= UnitImage::kPassword &&
        address < UnitImage::kPassword + UnitImage::kPasswordSize)
        return UnitImage::kErased;
    return m_eeprom[address];
}

void EmulatedUnit::SetCell(uint16_t address, uint8_t value) {
    m_eeprom[address] = value;
    ++m_nRevision;
}

bool EmulatedUnit::LoadEeprom(std::span<const uint8_t> cells) {
    if (cells.size() != kEepromSize) return false;
    m_eeprom.assign(cells.begin(), cells.end());
    ++m_nRevision;
    return true;
}

std::string EmulatedUnit::Password() const {
    std::string password;
    for (size_t k = 0; k < UnitImage::kPasswordSize; ++k) {
        const uint8_t c = m_eeprom[UnitImage::kPassword + k];
        if (c == 0x00 || c == UnitImage::kErased) break;
        password += static_cast<char>(c);
    }
    return password;
}

bool EmulatedUnit::CheckPassword(const std::string& password) const {
    const std::string own = Password();
    return own.empty() || own == password;
}

std::optional<std::vector<uint8_t>> EmulatedUnit::HandleLop(std::span<const uint8_t> message) {
    if (message.size() < 2 || message[0] != message.size() - 1 || !m_bProgramming)
        return std::nullopt;
    const uint8_t opcode = message[1];
    switch (opcode) {
        case Lop::kReadCell:
            if (message.size() != 4) return std::nullopt;
            return std::vector<uint8_t>{Lop::kCellReplyCount, opcode, message[2], message[3],
                                        ReadCell(AddressOf(message))};
        case Lop::kWriteCell:
            if (message.size() != 5) return std::nullopt;
            SetCell(AddressOf(message), message[4]);
            return std::vector<uint8_t>(message.begin(), message.end());
        case Lop::kReadBlock: {
            if (message.size() != 4) return std::nullopt;
            std::vector<uint8_t> reply = {
                static_cast<uint8_t>(Lop::kReplyData - 1 + Lop::kBlockCells), opcode, message[2],
                message[3]};
            for (size_t k = 0; k < Lop::kBlockCells; ++k)
                reply.push_back(ReadCell(AddressOf(message) + k));
            return reply;
        }
        case Lop::kClearBlock: {
            if (message.size() != 3 || message[2] > 1) return std::nullopt;
            const auto first = m_eeprom.begin() + message[2] * static_cast<long>(kClearBlockSize);
            std::fill(first, first + static_cast<long>(kClearBlockSize), UnitImage::kErased);
            ++m_nRevision;
            return std::vector<uint8_t>(message.begin(), message.end());
        }
        case Lop::kSetTime:
            if (message.size() < 3 || message.back() != 0x00) return std::nullopt;
            m_strClock.assign(message.begin() + 2, message.end() - 1);
            return std::vector<uint8_t>(message.begin(), message.end());
        default:
            return std::nullopt;
    }
}
