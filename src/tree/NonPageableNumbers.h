#pragma once

#include <vector>

#include "model/CZRTProDoc.h"
#include "model/Prompter.h"

// Gives every node from index 3 whose input code is still -1000 a free
// non-pageable Arch Number, counting down from 9999 to 10 across the build.
// Returns the indexes of the nodes numbered, whose tree texts change.
std::vector<int> GiveNonPageableNumbers(CZRTProDoc& doc, Prompter& prompter);
