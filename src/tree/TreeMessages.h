#pragma once

namespace TreeMessages {
// View > Expand Tree to Show Conflicts, with none to show.
inline constexpr const char* kNoConflicts = "No conflicts.";
inline constexpr const char* kNoUnusedArch = "Error, unable to find unused arch number";
inline constexpr const char* kSettings = "Settings";
inline constexpr const char* kIdleLoop = "Idle Loop";
inline constexpr const char* kInputLabel = "Input %d";
inline constexpr const char* kCiuInputLabel = "exp %d, inp %d";
inline constexpr const char* kSystemSuffix = " System";
inline constexpr const char* kOverviewArch = "overview";
inline constexpr const char* kSettingsArch = "settings";
inline constexpr const char* kIdleLoopArch = "idle loop";

// The Arch Number rules.
inline constexpr const char* kTreeItemNotFoundCheckConflicts =
    "Error, couldnt find matching tree item.(check conflicts)";
inline constexpr const char* kConflictsHeading = "\r\n conflicts:\r\n";
inline constexpr const char* kBadArchCharacter =
    "The arch number must contain integer digits, or the \"#\" key or the \"*\" key  only.  "
    "Please choose a different arch number.";
inline constexpr const char* kArchAssignedAt =
    "The arch number %s is already assigned at %s,  Please choose a different one.";
inline constexpr const char* kArchInPool =
    "The arch number %s is already in use. Please choose a different one.";
// The rule for a name.
inline constexpr const char* kNameTooLong =
    "A name has at most 15 characters.  Please choose a shorter name.";
inline constexpr const char* kNameControlCharacter =
    "A name cannot hold a tab, a line break or another control character.  "
    "Please choose a different name.";

// The find bar above the tree.
inline constexpr const char* kFindPosition = "%d of %d";
inline constexpr const char* kFindNoMatch = "No match";
inline constexpr const char* kFindPlaceholder = "Arch Number or name";
// What a screen reader calls the find field, which has no label beside it.
inline constexpr const char* kFindName = "Find Arch Number or name";
inline constexpr const char* kFindPrevious = "Previous match (Shift+F3)";
inline constexpr const char* kFindNext = "Next match (F3)";
inline constexpr const char* kFindClose = "Close (Esc)";

// The name a screen reader gives the configuration tree.
inline constexpr const char* kTreeName = "Configuration";
// What a screen reader says of an item's marks, the words of the key.
inline constexpr const char* kSpokenConflict = "conflict";
inline constexpr const char* kSpokenNonPageable = "non-pageable";
inline constexpr const char* kSpokenAssigned = "assigned pageable";
inline constexpr const char* kSpokenUnassigned = "unassigned pageable";
}  // namespace TreeMessages
