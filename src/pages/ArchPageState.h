#pragma once

#include <optional>
#include <string>

#include "model/CZRTProDoc.h"
#include "model/Profile.h"
#include "model/Prompter.h"

// What the Arch Number page shows in its current-number field when it is
// loaded for tree item `item`: nothing for an empty configuration, and a
// message when the item is no input of the configuration.
std::optional<std::string> CurrentArchOnLoad(const CZRTProDoc& doc, TreeItem item,
                                             Prompter& prompter);

// "Show Conflicts for Current Item Only", kept in the user's profile; checked
// until the user first clears it.
inline constexpr const char* kConflictCheckStatus = "bZRTformCheckStatus";
bool ConflictsForCurrentItemOnly(const Profile& profile);
void StoreConflictsForCurrentItemOnly(Profile& profile, bool currentOnly);
