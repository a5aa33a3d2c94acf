#pragma once

#include "model/Translate.h"

// The words of the document's commands in the window: the recent files, undo
// and redo, the comparison and the spreadsheet round trip.
namespace DocumentWidgetMessages {

inline constexpr const char* kRecentEntry = ZRT_UNTRANSLATED("&%1 %2");
//: Edit menu entry; keep the shortcut after the tab.
inline constexpr const char* kUndo = ZRT_TRANSLATE_NOOP("DocumentWidgets", "&Undo\tCtrl+Z");
//: Edit menu entry; keep the shortcut after the tab.
inline constexpr const char* kRedo = ZRT_TRANSLATE_NOOP("DocumentWidgets", "&Redo\tCtrl+Shift+Z");
// The menu texts and tooltips once an edit can be taken back or done again.
//: Edit menu entry; %1 is the name of the edit (e.g. "Change Priority").
inline constexpr const char* kUndoNamed = ZRT_TRANSLATE_NOOP("DocumentWidgets", "&Undo %1");
//: Edit menu entry; %1 is the name of the edit (e.g. "Change Priority").
inline constexpr const char* kRedoNamed = ZRT_TRANSLATE_NOOP("DocumentWidgets", "&Redo %1");
//: Tooltip; %1 is the name of the edit.
inline constexpr const char* kUndoTip = ZRT_TRANSLATE_NOOP("DocumentWidgets", "Undo %1");
//: Tooltip; %1 is the name of the edit.
inline constexpr const char* kRedoTip = ZRT_TRANSLATE_NOOP("DocumentWidgets", "Redo %1");

//: Title of the differences dialog and of the file chooser that opens it.
inline constexpr const char* kCompareCaption =
    ZRT_TRANSLATE_NOOP("DocumentWidgets", "Compare with File");
// The differences once what they compared has been replaced.
inline constexpr const char* kDiffOutOfDate = ZRT_TRANSLATE_NOOP(
    "DocumentWidgets",
    "These differences are out of date: what they compared has been replaced since "
    "(another configuration opened, read or imported, or the unit written). Compare again to "
    "see the differences now.");
//: Button of the differences dialog.
inline constexpr const char* kCompareAgain =
    ZRT_TRANSLATE_NOOP("DocumentWidgets", "Compare &Again");
//: Title of the CSV import preview and its file chooser.
inline constexpr const char* kImportCaption =
    ZRT_TRANSLATE_NOOP("DocumentWidgets", "Import Inputs from CSV");
//: Column heading of the import preview: the value the import gives.
inline constexpr const char* kAfterImport =
    ZRT_TRANSLATE_NOOP("DocumentWidgets", "After the import");
//: Status bar; %1 is the CSV file's path.
inline constexpr const char* kExported =
    ZRT_TRANSLATE_NOOP("DocumentWidgets", "Input list saved to %1");
//: Status bar; %1 is the CSV file's path.
inline constexpr const char* kImported =
    ZRT_TRANSLATE_NOOP("DocumentWidgets", "Inputs imported from %1");
// The mark of a preview row whose number another input would also hold.
inline constexpr const char* kSharedMark =
    ZRT_TRANSLATE_NOOP("DocumentWidgets", "Another input would hold this Arch Number too");
//: Status bar; %1 is the CSV file's path.
inline constexpr const char* kImportedConflicts = ZRT_TRANSLATE_NOOP(
    "DocumentWidgets", "Inputs imported from %1. Inputs marked in the tree share an Arch Number.");

}  // namespace DocumentWidgetMessages
