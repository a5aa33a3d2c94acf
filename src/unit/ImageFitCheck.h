#pragma once

#include "model/Prompter.h"
#include "model/ZrtConfig.h"

// True when the unit's memory can hold the whole configuration as it stands.
// Otherwise shows one message naming the first input, zone or setting that
// does not fit and returns false, so that nothing is ever cut silently:
//   - more Arch Numbers with names than the recon region holds;
//   - an input's Arch Number without a value, a zone's longer than 4 characters
//     or holding another character than 0-9, * and #;
//   - a name longer than 15 characters;
//   - the administrator Arch Number of one of the unit's Video Outs outside 0
//     to 9999 (only the first m_nPortCount / 2 entries are the unit's);
//   - an idle loop that would run into the settings block;
//   - two inputs whose Arch Numbers differ as text but have the same value
//     ("012" and "12"), which would share one cell of the Arch table.
bool CheckUnitImageFits(const ZrtConfig& config, Prompter& prompter);
