#pragma once

#include "unit/UnitContext.h"

// Fetches the unit's whole memory, 32 cells a message. As the verify read of
// a write it compares the memory with the written image; otherwise it first
// asks whether to save a modified configuration (Cancel stops the read before
// anything is fetched) and decodes the memory into the document. A failed
// read leaves the configuration as it was. The document ends marked modified.
// True when the whole memory arrived and was decoded (or, as a verify, matched).
bool ReadUnit(UnitContext& c);
