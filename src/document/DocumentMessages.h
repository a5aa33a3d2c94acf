#pragma once

// The texts of the document's own operations beyond the configuration files.
namespace DocumentMessages {

inline constexpr const char* kCsvUnreadable = "%s: cannot be read, or larger than %d MB";
// The undo step of a CSV import.
inline constexpr const char* kEditImportCsv = "Import Inputs from CSV";

// Why a configuration file was not read, after its name.
inline constexpr const char* kTooLargeOrUnreadable = "cannot be read, or larger than 64 MB";

// Asked at start when unsaved work was kept from a run that ended without its
// questions: %1 the name the work had, %2 when it was kept.
inline constexpr const char* kRecoverQuestion = "Recover the unsaved changes to %1 from %2?";

}  // namespace DocumentMessages
