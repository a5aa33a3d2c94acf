#pragma once

#include <string>

#include "unit/PortHolder.h"

// Long enough for the process table of a busy desktop, short enough that the
// window asking does not feel stuck.
inline constexpr int kPortHolderScanMs = 100;

// The program that has the serial port `device` (a path) open, found from the
// open files under /proc. Other users' processes cannot be looked into; when
// the port is not seen among this user's, the holder is Unseen if there were
// any such processes. The scan is bounded in processes, files and time: it
// reads where each open file leads without touching the file itself (a file on
// a network mount that no longer answers cannot hold it), looks closer only at
// files under /dev, and gives up after `mostMs` milliseconds with what it saw.
// `proc` is where the process table is mounted.
PortHolder FindPortHolder(const std::string& device, int mostMs = kPortHolderScanMs,
                          const std::string& proc = "/proc");
