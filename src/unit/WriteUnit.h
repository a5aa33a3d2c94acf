#pragma once

#include <cstdint>
#include <span>

#include "unit/UnitContext.h"

// Writes the configuration into the unit: refuses conflicts and anything the
// image cannot hold before connecting, builds the image and keeps the copy a
// verify compares against, places the password and the unit's own switches
// byte, erases both halves of the EEPROM and writes every cell that is not
// 0xFF, one message each. With m_bKeepBeforeWrite it first reads the unit's
// whole memory into the unit history and shows what will change (the
// window's ConfirmWrite), stopping before the erase when the copy cannot be
// read or kept or the user declines. Ends with the verify read when verify is
// enabled (also after a failed erase or write, which then says the unit is
// partly written), otherwise leaves programming mode. A write the user stops
// ends at once with one message and no verify. True when the whole write (and
// its verify) ran without a failure.
bool WriteUnit(UnitContext& c);

// Writes a kept copy of a unit's memory (exactly 65,536 bytes) back into the
// unit as a write does, from its copy kept before to its verify. The unit's own
// switches cell is taken as in every write; the password cells come from the
// copy, or from the connection when the copy shows them erased.
bool RestoreUnit(UnitContext& c, std::span<const uint8_t> image);
