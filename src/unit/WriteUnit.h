#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "unit/UnitContext.h"

// Writes the configuration into the unit: refuses conflicts and anything the
// image cannot hold before connecting, builds the image and keeps the copy a
// verify compares against, places the password and the unit's own switches
// byte, erases both halves of the EEPROM and writes every cell that is not
// 0xFF, one message each. With m_bCheckBeforeWrite (or m_bKeepBeforeWrite) it
// first reads the unit's whole memory and shows what will change (the
// window's ConfirmWrite); with m_bKeepBeforeWrite it keeps that memory in the
// unit history too. It stops before the erase when the memory cannot be read
// or kept or the user declines, with the unit out of programming mode and the
// line closed before anything is said. Ends with the verify read when verify is
// enabled (also after a failed erase or write, which then says the unit is
// partly written), otherwise leaves programming mode. A write the user stops
// ends at once with one message and no verify. True when the whole write (and
// its verify) ran without a failure.
bool WriteUnit(UnitContext& c);

// Writes a kept copy of a unit's memory (exactly 65,536 bytes) back into the
// unit as a write does, from its check before the erase to its verify; the
// history names what was put back as "the copy kept `copyName`" ("a kept
// copy" without a name). The unit's
// own switches cell is taken as in every write, and the unit keeps the
// password in use on the line: never the one waiting for the open configuration.
bool RestoreUnit(UnitContext& c, std::span<const uint8_t> image, const std::string& copyName = {});
