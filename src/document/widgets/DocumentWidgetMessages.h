#pragma once

// The words of the document's commands in the window: the recent files, undo
// and redo, the comparison and the spreadsheet round trip.
namespace DocumentWidgetMessages {

inline constexpr const char* kRecentEntry = "&%1 %2";
inline constexpr const char* kUndo = "&Undo\tCtrl+Z";
inline constexpr const char* kRedo = "&Redo\tCtrl+Shift+Z";
// The menu texts and tooltips once an edit can be taken back or done again.
inline constexpr const char* kUndoNamed = "&Undo %1";
inline constexpr const char* kRedoNamed = "&Redo %1";
inline constexpr const char* kUndoTip = "Undo %1";
inline constexpr const char* kRedoTip = "Redo %1";

inline constexpr const char* kCompareCaption = "Compare with File";
// The differences once what they compared has been replaced.
inline constexpr const char* kDiffOutOfDate =
    "These differences are out of date: what they compared has been replaced since "
    "(another configuration opened, read or imported, or the unit written). Compare again to "
    "see the differences now.";
inline constexpr const char* kCompareAgain = "Compare &Again";
inline constexpr const char* kImportCaption = "Import Inputs from CSV";
inline constexpr const char* kAfterImport = "After the import";
inline constexpr const char* kExported = "Input list saved to %1";
inline constexpr const char* kImported = "Inputs imported from %1";
// The mark of a preview row whose number another input would also hold.
inline constexpr const char* kSharedMark = "Another input would hold this Arch Number too";
inline constexpr const char* kImportedConflicts =
    "Inputs imported from %1. Inputs marked in the tree share an Arch Number.";

}  // namespace DocumentWidgetMessages
