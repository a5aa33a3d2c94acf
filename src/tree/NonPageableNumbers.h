#pragma once

#include "model/CZRTProDoc.h"
#include "model/Prompter.h"
#include "tree/TreeSink.h"

// Gives every node from index 3 whose input code is still -1000 a free
// non-pageable Arch Number, counting down from 9999 to 10 across the build.
void GiveNonPageableNumbers(CZRTProDoc& doc, TreeSink& tree, Prompter& prompter);
