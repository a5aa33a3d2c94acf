#pragma once

#include "unit/UnitContext.h"

// Fetches the unit's whole memory, 32 cells a message. As the verify read of
// a write it compares the memory with the written image; otherwise it first
// asks whether to save a modified configuration (Cancel stops the read before
// anything is fetched) and decodes the memory into the document. A failed
// read leaves the configuration as it was. A decoded memory marks the document
// modified and drops the pending password; a read that replaced nothing, and a
// verify read, leave the mark and the password as they were.
// True when the whole memory arrived and was decoded (or, as a verify, matched).
bool ReadUnit(UnitContext& c);

// Fetches the unit's memory as a read does, without a save question, and
// decodes it into `copy`, taking the unit to be of the open configuration's
// model. The open document, its tree and history, the unit state and the
// password stay as they were. True when the whole memory arrived and decoded.
bool ReadUnitCopy(UnitContext& c, CZRTProDoc& copy);
