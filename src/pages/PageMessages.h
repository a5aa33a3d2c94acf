#pragma once

#include "model/Translate.h"

namespace PageMessages {
//: Shown on the Arch Number page while two entries share a number.
inline constexpr const char* kConflictsExist = ZRT_TRANSLATE_NOOP("Pages", "Conflicts Exist!");
//: Help in the Arch Number entry dialog. "Arch number" is the product's own term for
//: the number dialled for a camera; keep it as "Arch Number" in German.
inline constexpr const char* kArchHelp = ZRT_TRANSLATE_NOOP(
    "Pages",
    "Legal Arch numbers have 2-4 digits and may contain digits, # or *.  Names are 15 characters "
    "in length.  Spaces will be added to the right if your entry is less than 15 characters in "
    "length.");
}  // namespace PageMessages

namespace PageMessages {
//: Status bar on the Arch Number page.
inline constexpr const char* kSelectionNotMade =
    ZRT_TRANSLATE_NOOP("Pages", "Selection not made, click on the item text to select.");
//: An internal fault; the text in brackets says where it happened.
inline constexpr const char* kTreeItemNotFoundInit =
    ZRT_TRANSLATE_NOOP("Pages", "Error, could not find matching tree item.(init)");
inline constexpr const char* kTreeItemNotFoundSetData =
    ZRT_TRANSLATE_NOOP("Pages", "Error, couldnt find matching tree item.(setdata)");
inline constexpr const char* kTreeItemNotFoundButton =
    ZRT_TRANSLATE_NOOP("Pages", "Error, couldnt find matching tree item.(ZRTform button)");
inline constexpr const char* kTreeItemNotFoundEnterArch =
    ZRT_TRANSLATE_NOOP("Pages", "Error, couldnt find matching tree item.(enter arch, first)");

//: The last line of the idle loop list; an entry is inserted before the selected line.
inline constexpr const char* kIdleEndMarker = ZRT_TRANSLATE_NOOP("Pages", "<end of list>");
inline constexpr const char* kIdleLimit = ZRT_TRANSLATE_NOOP(
    "Pages", "Idle loop list limit of 255 items has been reached.  The item was not added.");
inline constexpr const char* kIdleLastEntry =
    ZRT_TRANSLATE_NOOP("Pages", "You must leave at least one valid entry\r\nin the idle list.");
//: Shown under the delay field of the idle loop page.
inline constexpr const char* kIdleDelayInvalid = ZRT_TRANSLATE_NOOP(
    "Pages",
    "Idle Loop Delay has not been updated.  It contains invalid digits or is not from 1 to 100.");

inline constexpr const char* kSelectAdministrator =
    ZRT_TRANSLATE_NOOP("Pages", "Please select an Administrator number.");
//: Lunetta is a paging system's name.
inline constexpr const char* kLunettaOnly =
    ZRT_TRANSLATE_NOOP("Pages", "This feature is only available with Lunetta.");
}  // namespace PageMessages

// The names of the edits, as Edit > Undo and Redo show them.
namespace PageMessages {
//: Names of edits, as Edit > Undo and Redo show them. The first %s is the Arch Number,
//: the second the tree entry it is assigned to.
inline constexpr const char* kEditAssign = ZRT_TRANSLATE_NOOP("Pages", "Assign %s to %s");
//: %s is the tree entry.
inline constexpr const char* kEditReset = ZRT_TRANSLATE_NOOP("Pages", "Reset %s to Original");
//: %s is the tree entry.
inline constexpr const char* kEditArchAndName =
    ZRT_TRANSLATE_NOOP("Pages", "Edit Arch Number and Name of %s");
inline constexpr const char* kEditResetAll = ZRT_TRANSLATE_NOOP("Pages", "Reset All Arch Numbers");
inline constexpr const char* kEditIdleAdd = ZRT_TRANSLATE_NOOP("Pages", "Add to Idle Loop");
inline constexpr const char* kEditIdleInsert = ZRT_TRANSLATE_NOOP("Pages", "Insert into Idle Loop");
inline constexpr const char* kEditIdleDelete = ZRT_TRANSLATE_NOOP("Pages", "Delete from Idle Loop");
inline constexpr const char* kEditIdleClear = ZRT_TRANSLATE_NOOP("Pages", "Clear Idle Loop");
inline constexpr const char* kEditIdleAddAll = ZRT_TRANSLATE_NOOP("Pages", "Add All to Idle Loop");
inline constexpr const char* kEditIdleMove = ZRT_TRANSLATE_NOOP("Pages", "Move in Idle Loop");
inline constexpr const char* kEditIdleDelay = ZRT_TRANSLATE_NOOP("Pages", "Change Idle Loop Delay");
inline constexpr const char* kEditIdleNoVideo =
    ZRT_TRANSLATE_NOOP("Pages", "Change No Video during Idle");
inline constexpr const char* kEditPriority = ZRT_TRANSLATE_NOOP("Pages", "Change Priority");
inline constexpr const char* kEditAdminUp = ZRT_TRANSLATE_NOOP("Pages", "Move Administrator Up");
inline constexpr const char* kEditAdminDown =
    ZRT_TRANSLATE_NOOP("Pages", "Move Administrator Down");
//: SMDR is the telephone system's call record line; keep it.
inline constexpr const char* kEditTimeFromSmdr =
    ZRT_TRANSLATE_NOOP("Pages", "Change Refresh Time from SMDR");
inline constexpr const char* kEditTimeFromPc =
    ZRT_TRANSLATE_NOOP("Pages", "Change Refresh Time from PC");
}  // namespace PageMessages
