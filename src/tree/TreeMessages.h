#pragma once

#include "model/Translate.h"

// The tree's words, shown through Tr("Tree", ...) (the widgets:
// QCoreApplication::translate("Tree", ...)).
namespace TreeMessages {
//: Status bar after View > Expand Tree to Show Conflicts, with none to show.
inline constexpr const char* kNoConflicts = ZRT_TRANSLATE_NOOP("Tree", "No conflicts.");
//: "Arch number" is the product's own term for the number dialled for a camera;
//: keep it as "Arch Number" in German.
inline constexpr const char* kNoUnusedArch =
    ZRT_TRANSLATE_NOOP("Tree", "Error, unable to find unused arch number");
// The numbers of the three fixed entries, compared as data, never shown as words.
inline constexpr const char* kOverviewArch = ZRT_UNTRANSLATED("overview");
inline constexpr const char* kSettingsArch = ZRT_UNTRANSLATED("settings");
inline constexpr const char* kIdleLoopArch = ZRT_UNTRANSLATED("idle loop");

// The Arch Number rules.
//: An internal fault: the selected tree entry has no configuration entry.
inline constexpr const char* kTreeItemNotFoundCheckConflicts =
    ZRT_TRANSLATE_NOOP("Tree", "Error, couldnt find matching tree item.(check conflicts)");
//: Heading of the conflicts of an entry in the conflict report, on a line of its own
//: under the entry.
inline constexpr const char* kConflictsHeading = ZRT_TRANSLATE_NOOP("Tree", "conflicts:");
inline constexpr const char* kBadArchCharacter = ZRT_TRANSLATE_NOOP(
    "Tree",
    "The arch number must contain integer digits, or the \"#\" key or the \"*\" key  only.  "
    "Please choose a different arch number.");
//: The first %s is the Arch Number, the second the entry that has it already.
inline constexpr const char* kArchAssignedAt = ZRT_TRANSLATE_NOOP(
    "Tree", "The arch number %s is already assigned at %s,  Please choose a different one.");
//: %s is the Arch Number.
inline constexpr const char* kArchInPool = ZRT_TRANSLATE_NOOP(
    "Tree", "The arch number %s is already in use. Please choose a different one.");
// The rule for a name.
inline constexpr const char* kNameTooLong =
    ZRT_TRANSLATE_NOOP("Tree", "A name has at most 15 characters.  Please choose a shorter name.");
inline constexpr const char* kNameControlCharacter =
    ZRT_TRANSLATE_NOOP("Tree",
                       "A name cannot hold a tab, a line break or another control character.  "
                       "Please choose a different name.");

// The find bar above the tree.
//: Which match is shown: "3 of 7".
inline constexpr const char* kFindPosition = ZRT_TRANSLATE_NOOP("Tree", "%d of %d");
inline constexpr const char* kFindNoMatch = ZRT_TRANSLATE_NOOP("Tree", "No match");
//: Grey text in the empty find field.
inline constexpr const char* kFindPlaceholder = ZRT_TRANSLATE_NOOP("Tree", "Arch Number or name");
//: What a screen reader calls the find field, which has no label beside it.
inline constexpr const char* kFindName = ZRT_TRANSLATE_NOOP("Tree", "Find Arch Number or name");
//: Tooltip of a find bar button; keep the key in brackets.
inline constexpr const char* kFindPrevious =
    ZRT_TRANSLATE_NOOP("Tree", "Previous match (Shift+F3)");
//: Tooltip of a find bar button; keep the key in brackets.
inline constexpr const char* kFindNext = ZRT_TRANSLATE_NOOP("Tree", "Next match (F3)");
//: Tooltip of the button that closes the find bar; keep the key in brackets.
inline constexpr const char* kFindClose = ZRT_TRANSLATE_NOOP("Tree", "Close (Esc)");

//: The name a screen reader gives the configuration tree.
inline constexpr const char* kTreeName = ZRT_TRANSLATE_NOOP("Tree", "Configuration");
// What a screen reader says of an item's marks, the words of the page's key.
//: Spoken after an entry whose Arch Number another entry has too.
inline constexpr const char* kSpokenConflict = ZRT_TRANSLATE_NOOP("Tree", "conflict");
//: Spoken after an entry whose Arch Number cannot be called from the paging system.
inline constexpr const char* kSpokenNonPageable = ZRT_TRANSLATE_NOOP("Tree", "non-pageable");
//: Spoken after an entry with a paging system's Arch Number assigned.
inline constexpr const char* kSpokenAssigned = ZRT_TRANSLATE_NOOP("Tree", "assigned pageable");
//: Spoken after a paging system's Arch Number no entry has.
inline constexpr const char* kSpokenUnassigned = ZRT_TRANSLATE_NOOP("Tree", "unassigned pageable");
}  // namespace TreeMessages
