#pragma once

#include "model/Translate.h"

// Texts of the informing pages and of the key strip at the foot of every page.
namespace PageWidgetMessages {
//: Heading of the overview page; the blank at the end is kept.
inline constexpr const char* kTitleText =
    ZRT_TRANSLATE_NOOP("PageWidgets", "NEXIL Video Switcher Programming Tool ");
//: The key at the foot of every page, to the marks that follow.
inline constexpr const char* kKey = ZRT_TRANSLATE_NOOP("PageWidgets", "Key:");
//: The mark of an entry whose Arch Number another entry has too.
inline constexpr const char* kKeyConflict = ZRT_TRANSLATE_NOOP("PageWidgets", "Conflict");
//: The mark of an Arch Number the paging system cannot call.
inline constexpr const char* kKeyNonPageable = ZRT_TRANSLATE_NOOP("PageWidgets", "Non-pageable");
//: The mark of a paging system's Arch Number that is assigned to an input.
inline constexpr const char* kKeyAssigned = ZRT_TRANSLATE_NOOP("PageWidgets", "Assigned Pageable");
//: The mark of a paging system's Arch Number no input has.
inline constexpr const char* kKeyUnassigned =
    ZRT_TRANSLATE_NOOP("PageWidgets", "Unassigned Pageable");
//: M-4500 and M-4400 are product names. "-->" is the right arrow key.
inline constexpr const char* kInfoText = ZRT_TRANSLATE_NOOP(
    "PageWidgets",
    "There is no Arch Number here because an M-4500 Video Camera Interface Unit is configured "
    "for this M-4400 Video Input. \n\nOpen this branch by clicking the \"+\", hitting the --> "
    "key or double clicking this tree element.");
//: "Arch Number" is the product's own term for the number dialled for a camera; keep it.
inline constexpr const char* kUnusedHeading =
    ZRT_TRANSLATE_NOOP("PageWidgets", "This is a Non-Pageable Arch Number.");
inline constexpr const char* kUnusedButtonText = ZRT_TRANSLATE_NOOP(
    "PageWidgets", "Click this button to replace this view with the Arch Number selection view.");
//: KORVA Camera Administration Tool is a product's name; keep it.
inline constexpr const char* kUnusedExplain = ZRT_TRANSLATE_NOOP(
    "PageWidgets",
    "Non-Pageable Arch Numbers are used by the KORVA Camera Administration Tool to connect the "
    "M-4400 Video Switcher to cameras in areas without paging system zones.");

// The Arch Number page and its edit dialog.
inline constexpr const char* kArchListGroup = ZRT_TRANSLATE_NOOP("PageWidgets", "Arch Number List");
//: Column heading: the Arch Number (abbreviated).
inline constexpr const char* kColumnArch = ZRT_TRANSLATE_NOOP("PageWidgets", "Arch No.");
//: Column heading: the input's name.
inline constexpr const char* kColumnName = ZRT_TRANSLATE_NOOP("PageWidgets", "Name");
inline constexpr const char* kColumnArchMeasure = ZRT_UNTRANSLATED("Arch No.XXX");
inline constexpr const char* kColumnNameMeasure = ZRT_UNTRANSLATED("unassigned pageableXXX");
inline constexpr const char* kCurrentArch =
    ZRT_TRANSLATE_NOOP("PageWidgets", "Current Arch Number:");
inline constexpr const char* kResetToOriginal =
    ZRT_TRANSLATE_NOOP("PageWidgets", "Reset to Original");
//: Button; the blank at the start is kept.
inline constexpr const char* kEditArchAndName =
    ZRT_TRANSLATE_NOOP("PageWidgets", " Edit Arch Number and Name");
inline constexpr const char* kClickToAssign = ZRT_TRANSLATE_NOOP(
    "PageWidgets",
    "Click an Arch Number from the above list to assign it to the selected Video Switcher input.");
inline constexpr const char* kConflictReportGroup =
    ZRT_TRANSLATE_NOOP("PageWidgets", "Conflict Report");
//: Check box; keep the access key unique on the page.
inline constexpr const char* kCurrentItemOnly =
    ZRT_TRANSLATE_NOOP("PageWidgets", "Show &Conflicts for Current Item Only");
//: Title of the dialog that edits an Arch Number and name.
inline constexpr const char* kArchEntryCaption =
    ZRT_TRANSLATE_NOOP("PageWidgets", "Enter New Arch Number or Name");
inline constexpr const char* kNewArch = ZRT_TRANSLATE_NOOP("PageWidgets", "New Arch Number");
inline constexpr const char* kNewName = ZRT_TRANSLATE_NOOP("PageWidgets", "New Name");
inline constexpr const char* kOkText = ZRT_TRANSLATE_NOOP("PageWidgets", "OK");
inline constexpr const char* kCancelText = ZRT_TRANSLATE_NOOP("PageWidgets", "Cancel");

// The idle loop page.
inline constexpr const char* kIdleGroup = ZRT_TRANSLATE_NOOP("PageWidgets", "Idle Loop Editor");
//: "Entity" means the selected Arch Number.
inline constexpr const char* kIdleArrows = ZRT_TRANSLATE_NOOP(
    "PageWidgets", "The arrow buttons move the selected entity between the boxes.");
inline constexpr const char* kIdleArchNumbers = ZRT_TRANSLATE_NOOP("PageWidgets", "Arch Numbers:");
inline constexpr const char* kIdleAddHint =
    ZRT_TRANSLATE_NOOP("PageWidgets", "Doubleclick an Arch Number to add it to the Idle Loop.");
inline constexpr const char* kIdleAdd = ZRT_UNTRANSLATED(">>");
inline constexpr const char* kIdleRemove = ZRT_UNTRANSLATED("<<");
// What a screen reader calls the two arrow buttons.
//: What a screen reader calls the >> button.
inline constexpr const char* kIdleAddName = ZRT_TRANSLATE_NOOP("PageWidgets", "Add to Idle Loop");
//: What a screen reader calls the << button.
inline constexpr const char* kIdleRemoveName =
    ZRT_TRANSLATE_NOOP("PageWidgets", "Remove from Idle Loop");
inline constexpr const char* kIdleLoop = ZRT_TRANSLATE_NOOP("PageWidgets", "Idle Loop:");
inline constexpr const char* kIdleRemoveHint = ZRT_TRANSLATE_NOOP(
    "PageWidgets", "Doubleclick an Arch Number to remove it from the Idle Loop.");
inline constexpr const char* kIdleNoVideo =
    ZRT_TRANSLATE_NOOP("PageWidgets", "No Video during Idle?");
//: The seconds each camera of the idle loop is shown.
inline constexpr const char* kIdleDelayLabel = ZRT_TRANSLATE_NOOP("PageWidgets", "Delay, seconds:");
//: Button: adds every Arch Number to the idle loop.
inline constexpr const char* kIdleAddAll = ZRT_TRANSLATE_NOOP("PageWidgets", "&Add All Arch");
//: Button: empties the idle loop. ("ldle" is a typo the English keeps.)
inline constexpr const char* kIdleClear = ZRT_TRANSLATE_NOOP("PageWidgets", "&Clear ldle Loop");
inline constexpr const char* kIdleSize =
    ZRT_TRANSLATE_NOOP("PageWidgets", "The Idle Loop may contain 1-255 Arch Numbers.");

// The settings page.
inline constexpr const char* kPriorityGroup = ZRT_TRANSLATE_NOOP("PageWidgets", "Priority");
//: Radio button. SMDR is the telephone system's call record line: the phone.
inline constexpr const char* kPrioritySmdr =
    ZRT_TRANSLATE_NOOP("PageWidgets", "Set SMDR as highest priority");
inline constexpr const char* kPriorityPc =
    ZRT_TRANSLATE_NOOP("PageWidgets", "Set the PC as highest priority");
//: Radio button; keep the access key unique on the page.
inline constexpr const char* kPriorityEqual =
    ZRT_TRANSLATE_NOOP("PageWidgets", "PC and Phone have e&qual priority");
inline constexpr const char* kPriorityExplain = ZRT_TRANSLATE_NOOP(
    "PageWidgets",
    "For each M-4400 Video Out, video connections from the higher priority source can override "
    "video connections from the lower priority source.  If PC and Phone have equal priority, no "
    "video connections will be overriden.");
//: Heading: which administrator's Arch Number each Video Out belongs to.
inline constexpr const char* kAdminGroup =
    ZRT_TRANSLATE_NOOP("PageWidgets", "Video Out to Admin mapping");
//: Column heading: the administrator's Arch Number (abbreviated).
inline constexpr const char* kAdminArchHeading = ZRT_TRANSLATE_NOOP("PageWidgets", "Admin. Arch");
//: A row of the mapping; %1 is the Video Out (1 to 4).
inline constexpr const char* kVideoOut = ZRT_TRANSLATE_NOOP("PageWidgets", "Video Out %1");
// A line of the mapping as a screen reader says it: the Video Out, then the number.
//: A row of the mapping as a screen reader says it: %1 is the Video Out, %2 the Arch Number.
inline constexpr const char* kSpokenAdminLine =
    ZRT_TRANSLATE_NOOP("PageWidgets", "Video Out %1, %2");
// What a screen reader calls the new password field.
//: What a screen reader calls the new password field.
inline constexpr const char* kPasswordName = ZRT_TRANSLATE_NOOP("PageWidgets", "New password");
inline constexpr const char* kMoveUp = ZRT_TRANSLATE_NOOP("PageWidgets", "Move &Up");
inline constexpr const char* kMoveDown = ZRT_TRANSLATE_NOOP("PageWidgets", "Move &Down");
inline constexpr const char* kAdminHint = ZRT_TRANSLATE_NOOP(
    "PageWidgets",
    "To change the Administrator Arch Number Video Out mapping click on an Arch Number then use "
    "the Move Up/Down buttons.");
inline constexpr const char* kPasswordGroup = ZRT_TRANSLATE_NOOP("PageWidgets", "Change Password");
//: "Accept" is the button beside it: use its translation.
inline constexpr const char* kPasswordExplain = ZRT_TRANSLATE_NOOP(
    "PageWidgets",
    "To change the password in the M-4400 unit, enter it here and click the \"Accept\" button.  "
    "The new password will take effect after the unit is written.");
//: Button that takes the new password; kPasswordExplain names it in quotes.
inline constexpr const char* kAccept = ZRT_TRANSLATE_NOOP("PageWidgets", "Accept");
inline constexpr const char* kTimeGroup = ZRT_TRANSLATE_NOOP("PageWidgets", "Time Update");
inline constexpr const char* kTimeExplain = ZRT_TRANSLATE_NOOP(
    "PageWidgets",
    "The M-4400 can automatically refresh its internal time of day clock when video connection "
    "requests are received via SMDR or the PC.");
inline constexpr const char* kTimeFromSmdr =
    ZRT_TRANSLATE_NOOP("PageWidgets", "Refresh time from SMDR");
inline constexpr const char* kTimeFromPc =
    ZRT_TRANSLATE_NOOP("PageWidgets", "Refresh time from PC");
}  // namespace PageWidgetMessages
