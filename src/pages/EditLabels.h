#pragma once

#include <string>

#include "model/CZRTProDoc.h"
#include "pages/IdleLoopEditor.h"

// The names of the page edits that Edit > Undo and Redo show, made after the
// edit from the configuration as it is then.

// "Assign 13 to exp 1, inp 4": node `n` took its current number from the list.
std::string AssignLabel(const CZRTProDoc& doc, int n);
// "Reset exp 1, inp 4 to Original".
std::string ResetLabel(const CZRTProDoc& doc, int n);
// "Edit Arch Number and Name of exp 1, inp 4".
std::string ArchEditLabel(const CZRTProDoc& doc, int n);
// Asked before the idle loop's Add: "Add to Idle Loop" when the line goes to
// the end of the loop, "Insert into Idle Loop" when it goes before another line.
std::string IdleAddLabel(const IdleLoopEditor& editor);
