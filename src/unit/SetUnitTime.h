#pragma once

#include "unit/UnitContext.h"

// Sets the unit's clock from the PC's local time (the context's clock). No
// progress page, no busy state, no wait cursor.
// True when the unit took the time and every step succeeded.
bool SetUnitTime(UnitContext& c);
