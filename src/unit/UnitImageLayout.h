#pragma once

#include <cstddef>
#include <cstdint>

// Where everything lives in the unit's 64 KB EEPROM. There is no header, no
// length and no checksum: every item has a fixed address or a region with a
// fixed start, and a cell that holds nothing keeps the erased value 0xFF.
namespace UnitImage {

inline constexpr size_t kSize = 65536;
inline constexpr uint8_t kErased = 0xFF;

// One cell per possible Arch Number value (12^4), holding an input code.
inline constexpr size_t kArchTable = 0x0000;
inline constexpr size_t kArchTableCells = 20736;

// Recon records: names, zone ids and unassigned Arch Numbers.
inline constexpr size_t kRecon = 0x5208;
inline constexpr size_t kReconRecordSize = 24;
inline constexpr int kReconMaxRecords = 490;
inline constexpr uint16_t kZoneFieldNonPageable = 0x8000;
inline constexpr uint16_t kZoneFieldEnd = 0xFFFF;
// A pageable input's zone id whose low 16 bits would read as the end of the
// list or as the non-pageable marker is written as this one instead.
inline constexpr uint16_t kZoneFieldPageableStandIn = 0xFFFE;
inline constexpr uint8_t kReconPoolCode = 0xFF;  // byte 2 of an unassigned Arch Number
inline constexpr size_t kReconCodeOffset = 2;
inline constexpr size_t kReconArchOffset = 3;
inline constexpr size_t kReconNameOffset = 8;
inline constexpr size_t kNameFieldSize = 16;
inline constexpr size_t kNameMaxLength = kNameFieldSize - 1;

// Idle records, closed by the "INVL" record; they must end before the settings block.
inline constexpr size_t kIdle = 0x8000;
inline constexpr size_t kIdleRecordSize = 7;
inline constexpr uint8_t kIdleFlagPresent = 0x21;
inline constexpr uint8_t kIdleFlagNoVideo = 0x80;
inline constexpr uint8_t kIdleBitPresent = 0x20;
inline constexpr uint8_t kIdleNoVideoMask = 0xC0;
inline constexpr int kIdleMaxRecords = 4673;  // plus the terminator, up to the settings block

// Arch field: up to 4 characters right-aligned with blanks, then a NUL.
inline constexpr size_t kArchFieldSize = 5;
inline constexpr size_t kArchMaxLength = 4;

// Settings block.
inline constexpr size_t kSettings = 0xFFCF;
inline constexpr size_t kTimeRefresh = 0xFFCF;
inline constexpr size_t kPassword = 0xFFD0;
inline constexpr size_t kPasswordSize = 9;
inline constexpr size_t kPagingCode = 0xFFDE;
inline constexpr uint8_t kPagingCodeNone = 0x00;  // no paging system: its low three bits are 0
inline constexpr size_t kCiuCount = 0xFFDF;
inline constexpr size_t kAdminArch = 0xFFE0;  // four Arch fields, Video Out 1 to 4
inline constexpr size_t kPriorityB = 0xFFF5;
inline constexpr size_t kPriorityA = 0xFFF6;
inline constexpr size_t kIdleDelay = 0xFFF7;
inline constexpr size_t kSignature = 0xFFF9;
inline constexpr size_t kSwitches = 0xFFFD;
inline constexpr int kAdminArchMax = 9999;
inline constexpr int kAdminArchDefault = 501;  // Video Out n defaults to 500 + n

}  // namespace UnitImage
