#pragma once

#include <cstdint>
#include <span>

#include "unit/UnitContext.h"

// Opens a kept copy of a unit's memory as the configuration, as a read of the
// unit would decode it: the save question for a modified configuration first
// (Cancel changes nothing), then the unit model question; the result is an
// "untitled" configuration, marked modified, with a history of edits of its
// own and no password waiting for a write. A copy that does not decode leaves
// the configuration as it was.
bool OpenUnitImage(UnitContext& c, std::span<const uint8_t> image);
