#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "model/CImportRecord.h"

// What reading an M-7700 station database gave, before anything is shown.
struct StationDatabaseResult {
    // Cancelled: the user stopped the read; nothing more is said.
    enum class Outcome { Ok, OpenError, TableTrouble, Cancelled };
    Outcome m_outcome = Outcome::Ok;
    // The engine's reason for a failure.
    std::string m_strEngineText;
    std::vector<CImportRecord> m_records;
};

inline constexpr size_t kStationsPerUnit = 24;
// The most rows a system can have: (255 + 1) x 24.
inline constexpr size_t kMostStations = 256 * kStationsPerUnit;
// The room the station texts are read into.
inline constexpr size_t kStationTextBytes = 255;

// Reads the database with mdbtools in this process. `opened` is called once
// the database has opened, before its tables are read.
StationDatabaseResult ReadStationDatabase(const std::string& path,
                                          const std::function<void()>& opened);
