#pragma once

#include <string>

#include "unit/TelnetComPort.h"

// Why an RFC 2217 device server at `server` (host and port) did not set up
// its serial line, in the user's words; empty when it did.
std::string DeviceServerProblem(const TelnetComPort& telnet, const std::string& server);
