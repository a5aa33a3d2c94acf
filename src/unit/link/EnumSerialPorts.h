#pragma once

// Fills `buffer` with the names of the computer's serial ports, each followed
// by a NUL, and one more NUL after the last (an empty list is two NULs). A name
// is put in only if it fits together with the closing NUL. Returns 0, or a
// non-zero error code, leaving the buffer untouched, when the list cannot be
// written at all (a buffer of fewer than two bytes).
unsigned long EnumSerialPorts(char* buffer, unsigned long size);
