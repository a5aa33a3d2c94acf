#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

// The LOP messages the unit understands: byte 0 counts the bytes that follow,
// then an opcode and its arguments; addresses are 16 bits, low byte first.
// A reply has its length count in byte 0 and its data from byte 4.
namespace Lop {

inline constexpr uint8_t kReadCell = 0x03;    // one cell; the write reads the switches with it
inline constexpr uint8_t kWriteCell = 0x04;   // one cell
inline constexpr uint8_t kReadBlock = 0x05;   // 32 cells
inline constexpr uint8_t kClearBlock = 0x2C;  // half of the EEPROM, 0 or 1
inline constexpr uint8_t kSetTime = 0x2F;

inline constexpr size_t kReplyData = 4;
inline constexpr size_t kBlockCells = 32;
inline constexpr uint8_t kCellReplyCount = 4;  // replies to kReadCell and kWriteCell
inline constexpr uint8_t kClearReplyCount = 2;
inline constexpr size_t kTimeTextLength = 17;

std::vector<uint8_t> ReadCellMessage(uint16_t address);
std::vector<uint8_t> WriteCellMessage(uint16_t address, uint8_t value);
std::vector<uint8_t> ReadBlockMessage(uint16_t address);
std::vector<uint8_t> ClearBlockMessage(uint8_t block);

// "03/09/04 08:05:07": month, day, two-digit year and 24-hour time.
std::string TimeText(const std::tm& local);
// The time text between the opcode and a closing NUL: 20 bytes in all.
std::vector<uint8_t> SetTimeMessage(const std::string& timeText);

}  // namespace Lop
