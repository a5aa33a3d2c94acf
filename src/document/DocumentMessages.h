#pragma once

// The texts of the document's own operations beyond the configuration files.
namespace DocumentMessages {

inline constexpr const char* kCsvUnreadable = "%s: cannot be read, or larger than %d MB";
// The undo step of a CSV import.
inline constexpr const char* kEditImportCsv = "Import Inputs from CSV";

// A refused CSV file: its name, then a line per refused cell.
inline constexpr const char* kCsvRefused = "%s: the file is refused, nothing was changed:";
inline constexpr const char* kCsvMoreRefused = "and %zu more";
inline constexpr const char* kCsvCell = "line %d, column %s: %s";
inline constexpr const char* kCsvRow = "line %d: %s";
inline constexpr const char* kCsvNoHeader =
    "line 1: the file has no header row; the first row names the columns";
inline constexpr const char* kCsvColumnTwice = "the column is given twice; each column once";
inline constexpr const char* kCsvColumnMissing =
    "the column is missing; port, unit and input say which input a row is for";
inline constexpr const char* kCsvNothingToTake =
    "neither an arch nor a name column; a file gives arch, name or both";
inline constexpr const char* kCsvFieldCount =
    "%zu fields where the header has %zu; every row has the header's columns";
inline constexpr const char* kCsvNotPlace =
    "\"%s\" is not a place number; a whole number from 1, or nothing for the unit and "
    "input of an input wired to its port";
inline constexpr const char* kCsvNoSuchInput =
    "no such input in this configuration; the export lists every input there is";
inline constexpr const char* kCsvInputTwice =
    "the input is already given on line %d; each input once";
inline constexpr const char* kCsvArchNeeded =
    "an Arch Number is needed; 1 to 4 characters, each a digit, \"#\" or \"*\"";
inline constexpr const char* kCsvArchCharacters =
    "\"%s\" is not an Arch Number; 1 to 4 characters, each a digit, \"#\" or \"*\"";
inline constexpr const char* kCsvArchLong =
    "\"%s\" is longer than 4 characters; 1 to 4 characters, each a digit, \"#\" or \"*\"";
inline constexpr const char* kCsvNameCharacterSet =
    "a character outside the unit's character set; letters, digits and signs of Latin-1";
inline constexpr const char* kCsvNameLong =
    "longer than the unit's 15 characters; at most 15 characters";
inline constexpr const char* kCsvNameControl =
    "a tab, a line break or another control character; letters, digits, signs and blanks";
inline constexpr const char* kCsvMalformed =
    "%s; quote a field that holds the separator, a quote "
    "or a line end, and double the quotes inside";

// What a CSV file holds that is not applied, shown before OK.
inline constexpr const char* kCsvColumnIgnored = "Column \"%s\" is not known and is ignored.";
inline constexpr const char* kCsvOriginalNotApplied =
    "Column original_arch is not applied (%d rows differ): an input keeps the number it "
    "was built with, for Reset to Original.";
inline constexpr const char* kCsvPageableNotApplied =
    "Column pageable is not applied (%d rows differ): an input is pageable when its number "
    "is one of the paging system's.";
inline constexpr const char* kCsvShared = "%d inputs would share %s";

// Why a configuration file was not read, after its name.
inline constexpr const char* kTooLargeOrUnreadable = "cannot be read, or larger than 64 MB";

// Asked at start when unsaved work was kept from a run that ended without its
// questions: %1 the name the work had, %2 when it was kept.
inline constexpr const char* kRecoverQuestion = "Recover the unsaved changes to %1 from %2?";

}  // namespace DocumentMessages
