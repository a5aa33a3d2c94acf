#pragma once

// Texts of the informing pages and of the key strip at the foot of every page.
namespace PageWidgetMessages {
inline constexpr const char* kTitle = "NEXIL Video Switcher Programming Tool ";
inline constexpr const char* kKey = "Key:";
inline constexpr const char* kKeyConflict = "Conflict";
inline constexpr const char* kKeyNonPageable = "Non-pageable";
inline constexpr const char* kKeyAssigned = "Assigned Pageable";
inline constexpr const char* kKeyUnassigned = "Unassigned Pageable";
inline constexpr const char* kInfoText =
    "There is no Arch Number here because an M-4500 Video Camera Interface Unit is configured "
    "for this M-4400 Video Input. \n\nOpen this branch by clicking the \"+\", hitting the --> "
    "key or double clicking this tree element.";
inline constexpr const char* kUnusedHeading = "This is a Non-Pageable Arch Number.";
inline constexpr const char* kUnusedButtonText =
    "Click this button to replace this view with the Arch Number selection view.";
inline constexpr const char* kUnusedExplain =
    "Non-Pageable Arch Numbers are used by the KORVA Camera Administration Tool to connect the "
    "M-4400 Video Switcher to cameras in areas without paging system zones.";

// The Arch Number page and its edit dialog.
inline constexpr const char* kArchListGroup = "Arch Number List";
inline constexpr const char* kColumnArch = "Arch No.";
inline constexpr const char* kColumnName = "Name";
inline constexpr const char* kColumnArchMeasure = "Arch No.XXX";
inline constexpr const char* kColumnNameMeasure = "unassigned pageableXXX";
inline constexpr const char* kCurrentArch = "Current Arch Number:";
inline constexpr const char* kResetToOriginal = "Reset to Original";
inline constexpr const char* kEditArchAndName = " Edit Arch Number and Name";
inline constexpr const char* kClickToAssign =
    "Click an Arch Number from the above list to assign it to the selected Video Switcher input.";
inline constexpr const char* kConflictReportGroup = "Conflict Report";
inline constexpr const char* kCurrentItemOnly = "Show &Conflicts for Current Item Only";
inline constexpr const char* kArchEntryCaption = "Enter New Arch Number or Name";
inline constexpr const char* kNewArch = "New Arch Number";
inline constexpr const char* kNewName = "New Name";
inline constexpr const char* kOk = "OK";
inline constexpr const char* kCancel = "Cancel";

// The idle loop page.
inline constexpr const char* kIdleGroup = "Idle Loop Editor";
inline constexpr const char* kIdleArrows =
    "The arrow buttons move the selected entity between the boxes.";
inline constexpr const char* kIdleArchNumbers = "Arch Numbers:";
inline constexpr const char* kIdleAddHint =
    "Doubleclick an Arch Number to add it to the Idle Loop.";
inline constexpr const char* kIdleAdd = ">>";
inline constexpr const char* kIdleRemove = "<<";
// What a screen reader calls the two arrow buttons.
inline constexpr const char* kIdleAddName = "Add to Idle Loop";
inline constexpr const char* kIdleRemoveName = "Remove from Idle Loop";
inline constexpr const char* kIdleLoop = "Idle Loop:";
inline constexpr const char* kIdleRemoveHint =
    "Doubleclick an Arch Number to remove it from the Idle Loop.";
inline constexpr const char* kIdleNoVideo = "No Video during Idle?";
inline constexpr const char* kIdleDelay = "Delay, seconds:";
inline constexpr const char* kIdleAddAll = "&Add All Arch";
inline constexpr const char* kIdleClear = "&Clear ldle Loop";
inline constexpr const char* kIdleSize = "The Idle Loop may contain 1-255 Arch Numbers.";

// The settings page.
inline constexpr const char* kPriorityGroup = "Priority";
inline constexpr const char* kPrioritySmdr = "Set SMDR as highest priority";
inline constexpr const char* kPriorityPc = "Set the PC as highest priority";
inline constexpr const char* kPriorityEqual = "PC and Phone have e&qual priority";
inline constexpr const char* kPriorityExplain =
    "For each M-4400 Video Out, video connections from the higher priority source can override "
    "video connections from the lower priority source.  If PC and Phone have equal priority, no "
    "video connections will be overriden.";
inline constexpr const char* kAdminGroup = "Video Out to Admin mapping";
inline constexpr const char* kAdminArch = "Admin. Arch";
inline constexpr const char* kVideoOut = "Video Out %1";
// A line of the mapping as a screen reader says it: the Video Out, then the number.
inline constexpr const char* kSpokenAdminLine = "Video Out %1, %2";
// What a screen reader calls the new password field.
inline constexpr const char* kPasswordName = "New password";
inline constexpr const char* kMoveUp = "Move &Up";
inline constexpr const char* kMoveDown = "Move &Down";
inline constexpr const char* kAdminHint =
    "To change the Administrator Arch Number Video Out mapping click on an Arch Number then use "
    "the Move Up/Down buttons.";
inline constexpr const char* kPasswordGroup = "Change Password";
inline constexpr const char* kPasswordExplain =
    "To change the password in the M-4400 unit, enter it here and click the \"Accept\" button.  "
    "The new password will take effect after the unit is written.";
inline constexpr const char* kAccept = "Accept";
inline constexpr const char* kTimeGroup = "Time Update";
inline constexpr const char* kTimeExplain =
    "The M-4400 can automatically refresh its internal time of day clock when video connection "
    "requests are received via SMDR or the PC.";
inline constexpr const char* kTimeFromSmdr = "Refresh time from SMDR";
inline constexpr const char* kTimeFromPc = "Refresh time from PC";
}  // namespace PageWidgetMessages
