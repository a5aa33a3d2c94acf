#pragma once

namespace PageMessages {
inline constexpr const char* kTreeItemNotFoundCheckConflicts =
    "Error, couldnt find matching tree item.(check conflicts)";
inline constexpr const char* kConflictsExist = "Conflicts Exist!";
inline constexpr const char* kConflictsHeading = "\r\n conflicts:\r\n";
inline constexpr const char* kBadArchCharacter =
    "The arch number must contain integer digits, or the \"#\" key or the \"*\" key  only.  "
    "Please choose a different arch number.";
inline constexpr const char* kArchAssignedAt =
    "The arch number %s is already assigned at %s,  Please choose a different one.";
inline constexpr const char* kArchInPool =
    "The arch number %s is already in use. Please choose a different one.";
inline constexpr const char* kArchHelp =
    "Legal Arch numbers have 2-4 digits and may contain digits, # or *.  Names are 15 characters "
    "in length.  Spaces will be added to the right if your entry is less than 15 characters in "
    "length.";
}  // namespace PageMessages
