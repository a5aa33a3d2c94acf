#pragma once

#include <string>

// The path of the database helper program, "zrtpro-mdbread": in a test build
// the program named by ZRTPRO_MDBREAD when that is set, else the first found beside the
// running program, in the libexec folder of the installation the running
// program belongs to, and in the libexec folder it was built for. Empty when
// none is found.
std::string StationHelperPath();
