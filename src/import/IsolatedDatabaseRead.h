#pragma once

#include <string>

#include "import/StationDatabase.h"

// Reads the station database in a child process. mdbtools can crash or run
// away on a damaged file; the child takes the fault, and the program gets a
// failure with a reason instead. The child's answer is read with bounds.
StationDatabaseResult ReadStationDatabaseIsolated(const std::string& path);
