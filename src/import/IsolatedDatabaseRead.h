#pragma once

#include <string>

#include "import/StationDatabase.h"
#include "model/ProcessRunner.h"

// Reads the station database in the helper program zrtpro-mdbread. mdbtools
// can crash or run away on a damaged file; the helper takes the fault, and
// the program gets a failure with a reason instead. The helper's answer is
// read with bounds and a time limit, and a run the user cancels fails too.
StationDatabaseResult ReadStationDatabaseIsolated(const std::string& path, ProcessRunner& runner);
