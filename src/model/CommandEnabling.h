#pragma once

#include <optional>
#include <string>

#include "model/CZRTProDoc.h"

// The enabled state of a command the document decides, for a main window that
// is busy with the unit or not; nothing for a command the document leaves to others.
std::optional<bool> DocumentCommandEnabled(int command, const CZRTProDoc& doc, bool busy);

// The text of the status bar's "Modified" pane.
std::string ModifiedIndicatorText(const CZRTProDoc& doc);
