#pragma once

#include "unit/UnitContext.h"

// Opens a connection through the link's connection dialog unless one is open.
// A cancelled dialog ends silently; any other failure is reported. Callers
// then test comm_GetConnectedStatus().
void ConnectUnit(UnitContext& c);
