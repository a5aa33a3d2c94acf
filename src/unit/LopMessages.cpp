#include "unit/LopMessages.h"

#include <algorithm>

#include "model/Format.h"

namespace Lop {

namespace {

uint8_t Low(uint16_t address) { return static_cast<uint8_t>(address & 0xFF); }
uint8_t High(uint16_t address) { return static_cast<uint8_t>(address >> 8); }

}  // namespace

std::vector<uint8_t> ReadCellMessage(uint16_t address) {
    return {3, kReadCell, Low(address), High(address)};
}

std::vector<uint8_t> WriteCellMessage(uint16_t address, uint8_t value) {
    return {4, kWriteCell, Low(address), High(address), value};
}

std::vector<uint8_t> ReadBlockMessage(uint16_t address) {
    return {3, kReadBlock, Low(address), High(address)};
}

std::vector<uint8_t> ClearBlockMessage(uint8_t block) { return {2, kClearBlock, block}; }

std::string TimeText(const std::tm& local) {
    // Each field is cut to two digits, so the text always has 17 characters.
    return StrFormat("%02d/%02d/%02d %02d:%02d:%02d", (local.tm_mon + 1) % 100, local.tm_mday % 100,
                     (local.tm_year % 100 + 100) % 100, local.tm_hour % 100, local.tm_min % 100,
                     local.tm_sec % 100);
}

std::vector<uint8_t> SetTimeMessage(const std::string& timeText) {
    std::vector<uint8_t> message(timeText.size() + 3, 0x00);
    message[0] = static_cast<uint8_t>(timeText.size() + 2);
    message[1] = kSetTime;
    std::copy(timeText.begin(), timeText.end(), message.begin() + 2);
    return message;
}

}  // namespace Lop
