#pragma once

#include <optional>
#include <string>
#include <vector>

#include "import/JetDatabase.h"

// An M-7700 station database: "Config" with its System_Config row (none when
// not given) and "Clid" with the given rows.
namespace M7700Database {

inline std::vector<JetDatabase::Column> ClidColumns() {
    return {JetDatabase::ByteColumn("Clid_Station"), JetDatabase::TextColumn("Clid_String", 40),
            JetDatabase::TextColumn("Archnum", 10)};
}

// Stations 1..count named "Station n" with dial strings " 1nn" (100 + n).
inline std::vector<JetDatabase::Row> Stations(int count) {
    std::vector<JetDatabase::Row> rows;
    for (int i = 1; i <= count; ++i)
        rows.push_back({JetDatabase::Byte(static_cast<uint8_t>(i)),
                        JetDatabase::Text("Station " + std::to_string(i)),
                        JetDatabase::Text(" " + std::to_string(100 + i))});
    return rows;
}

inline JetDatabase Site(std::optional<int> systemConfig, std::vector<JetDatabase::Row> clid) {
    JetDatabase db;
    std::vector<JetDatabase::Row> config;
    if (systemConfig) config.push_back({JetDatabase::Byte(static_cast<uint8_t>(*systemConfig))});
    db.AddTable("Config", {JetDatabase::ByteColumn("System_Config")}, config);
    db.AddTable("Clid", ClidColumns(), std::move(clid));
    return db;
}

}  // namespace M7700Database
