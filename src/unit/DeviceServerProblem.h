#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "unit/TelnetComPort.h"

// Why an RFC 2217 device server at `server` (host and port) did not set up
// its serial line, in the user's words; empty when it did.
std::string DeviceServerProblem(const TelnetComPort& telnet, const std::string& server);

// The server closed the connection while the line was being set up, after
// sending `said` (a server often says why, such as that the port is in use).
std::string DeviceServerClosed(const std::string& server, std::span<const uint8_t> said);
