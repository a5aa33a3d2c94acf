#pragma once

// The texts of the document's own operations beyond the configuration files.
namespace DocumentMessages {

inline constexpr const char* kCsvUnreadable = "%s: cannot be read, or larger than %d MB";
// The undo step of a CSV import.
inline constexpr const char* kEditImportCsv = "Import Inputs from CSV";

}  // namespace DocumentMessages
