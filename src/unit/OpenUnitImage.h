#pragma once

#include <cstdint>
#include <span>

#include "unit/UnitContext.h"

// Opens a kept copy of a unit's memory as the configuration, as a read of the
// unit would decode it, of the model the copy holds (nothing asked about it):
// a copy holding no whole configuration is said so and changes nothing; the
// save question for a modified configuration comes first (Cancel changes
// nothing); the result is an
// "untitled" configuration, marked modified, with a history of edits of its
// own and no password waiting for a write. A copy that does not decode leaves
// the configuration as it was.
bool OpenUnitImage(UnitContext& c, std::span<const uint8_t> image);
