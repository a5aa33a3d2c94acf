#pragma once

#include "unit/UnitContext.h"

// Writes the configuration into the unit: refuses conflicts and anything the
// image cannot hold before connecting, builds the image and keeps the copy a
// verify compares against, places the password and the unit's own switches
// byte, erases both halves of the EEPROM and writes every cell that is not
// 0xFF, one message each. Ends with the verify read when verify is enabled
// (also after a failed erase or write), otherwise leaves programming mode.
// True when the whole write (and its verify) ran without a failure.
bool WriteUnit(UnitContext& c);
