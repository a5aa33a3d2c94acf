#pragma once

namespace PageMessages {
inline constexpr const char* kConflictsExist = "Conflicts Exist!";
inline constexpr const char* kArchHelp =
    "Legal Arch numbers have 2-4 digits and may contain digits, # or *.  Names are 15 characters "
    "in length.  Spaces will be added to the right if your entry is less than 15 characters in "
    "length.";
}  // namespace PageMessages

namespace PageMessages {
inline constexpr const char* kSelectionNotMade =
    "Selection not made, click on the item text to select.";
inline constexpr const char* kTreeItemNotFoundInit =
    "Error, could not find matching tree item.(init)";
inline constexpr const char* kTreeItemNotFoundSetData =
    "Error, couldnt find matching tree item.(setdata)";
inline constexpr const char* kTreeItemNotFoundButton =
    "Error, couldnt find matching tree item.(ZRTform button)";
inline constexpr const char* kTreeItemNotFoundEnterArch =
    "Error, couldnt find matching tree item.(enter arch, first)";

inline constexpr const char* kIdleEndMarker = "<end of list>";
inline constexpr const char* kIdleLimit =
    "Idle loop list limit of 255 items has been reached.  The item was not added.";
inline constexpr const char* kIdleLastEntry =
    "You must leave at least one valid entry\r\nin the idle list.";
inline constexpr const char* kIdleDelayInvalid =
    "Idle Loop Delay has not been updated.  It contains invalid digits or is not from 1 to 100.";

inline constexpr const char* kSelectAdministrator = "Please select an Administrator number.";
inline constexpr const char* kLunettaOnly = "This feature is only available with Lunetta.";
}  // namespace PageMessages

// The names of the edits, as Edit > Undo and Redo show them.
namespace PageMessages {
inline constexpr const char* kEditAssign = "Assign %s to %s";
inline constexpr const char* kEditReset = "Reset %s to Original";
inline constexpr const char* kEditArchAndName = "Edit Arch Number and Name of %s";
inline constexpr const char* kEditResetAll = "Reset All Arch Numbers";
inline constexpr const char* kEditIdleAdd = "Add to Idle Loop";
inline constexpr const char* kEditIdleInsert = "Insert into Idle Loop";
inline constexpr const char* kEditIdleDelete = "Delete from Idle Loop";
inline constexpr const char* kEditIdleClear = "Clear Idle Loop";
inline constexpr const char* kEditIdleAddAll = "Add All to Idle Loop";
inline constexpr const char* kEditIdleMove = "Move in Idle Loop";
inline constexpr const char* kEditIdleDelay = "Change Idle Loop Delay";
inline constexpr const char* kEditIdleNoVideo = "Change No Video during Idle";
inline constexpr const char* kEditPriority = "Change Priority";
inline constexpr const char* kEditAdminUp = "Move Administrator Up";
inline constexpr const char* kEditAdminDown = "Move Administrator Down";
inline constexpr const char* kEditTimeFromSmdr = "Change Refresh Time from SMDR";
inline constexpr const char* kEditTimeFromPc = "Change Refresh Time from PC";
}  // namespace PageMessages
