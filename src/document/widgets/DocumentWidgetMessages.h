#pragma once

// The words of the comparison and the spreadsheet round trip in the window.
namespace DocumentWidgetMessages {

inline constexpr const char* kCompareCaption = "Compare with File";
inline constexpr const char* kImportCaption = "Import Inputs from CSV";
inline constexpr const char* kAfterImport = "After the import";
inline constexpr const char* kExported = "Input list saved to %1";
inline constexpr const char* kImported = "Inputs imported from %1";
// The mark of a preview row whose number another input would also hold.
inline constexpr const char* kSharedMark = "Another input would hold this Arch Number too";
inline constexpr const char* kImportedConflicts =
    "Inputs imported from %1. Inputs marked in the tree share an Arch Number.";

}  // namespace DocumentWidgetMessages
