#pragma once

#include "unit/UnitContext.h"

// Compares the image read back with the one written, every cell but the
// switches byte (placed after the copy was taken); shows the outcome.
bool VerifyImage(UnitContext& c);
