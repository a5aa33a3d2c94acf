#pragma once

#include <string>

#include "unit/PortHolder.h"

// The program that has the serial port `device` (a path) open, found from the
// open files under /proc. Other users' processes cannot be looked into; when
// the port is not seen among this user's, the holder is Unseen if there were
// any such processes. The scan is bounded in processes and files.
PortHolder FindPortHolder(const std::string& device);
