#pragma once

#include "model/CZRTProDoc.h"
#include "model/PageKind.h"
#include "tree/TreeSink.h"

// View > Expand Tree to Show Conflicts: enabled once the document holds a port.
bool ExpandConflictsEnabled(const CZRTProDoc& doc);

// Opens the port item above every input whose Arch Number another input
// carries and selects the first of them; returns it, or null with none.
TreeItem ExpandTreeToShowConflicts(const CZRTProDoc& doc, TreeSink& tree);

// View > Reset All Arch Numbers to Original: enabled while the right pane shows
// the assignment page of a configured document.
bool ResetAllEnabled(const CZRTProDoc& doc, PageKind shownPage);
