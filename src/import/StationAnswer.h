#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "import/StationDatabase.h"

// What the database helper writes to its standard output, all numbers little
// endian:
//   ["O"]                once the database has opened
//   "R" outcome:u8       0 read, 1 not opened, 2 table trouble
//   length:u32 text      the engine's reason, at most 4,096 bytes
//   count:u32            at most kMostStations records, each
//     zone:i32 length:u32 arch length:u32 name   texts of at most kStationTextBytes
// and nothing after.
namespace StationAnswer {

inline constexpr char kOpenedMark = 'O';
// Far above the largest answer: 6,144 records of two 255-byte texts.
inline constexpr size_t kMostBytes = 8u << 20;

std::string Encode(const StationDatabaseResult& result);

// The helper's result, or nothing for bytes that break any of the bounds.
std::optional<StationDatabaseResult> Decode(std::string_view answer);

// True when the answer tells that the database opened before anything went wrong.
inline bool Opened(std::string_view answer) { return !answer.empty() && answer[0] == kOpenedMark; }

}  // namespace StationAnswer
