#pragma once

#include "model/Translate.h"

// The texts of the document's own operations beyond the configuration files.
namespace DocumentMessages {

//: %s is the CSV file's path, %d the largest size in megabytes.
inline constexpr const char* kCsvUnreadable =
    ZRT_TRANSLATE_NOOP("Document", "%s: cannot be read, or larger than %d MB");
// The undo step of a CSV import.
//: The name of the edit as Edit > Undo shows it.
inline constexpr const char* kEditImportCsv =
    ZRT_TRANSLATE_NOOP("Document", "Import Inputs from CSV");

// A refused CSV file: its name, then a line per refused cell.
//: %s is the CSV file's path; a line per refused cell follows.
inline constexpr const char* kCsvRefused =
    ZRT_TRANSLATE_NOOP("Document", "%s: the file is refused, nothing was changed:");
//: After the first refused cells: %zu is how many more there are.
inline constexpr const char* kCsvMoreRefused = ZRT_TRANSLATE_NOOP("Document", "and %zu more");
//: A refused cell: %d is the line, %s the column's name (as in the file, kept English),
//: the second %s why it is refused (one of the texts below).
inline constexpr const char* kCsvCell = ZRT_TRANSLATE_NOOP("Document", "line %d, column %s: %s");
//: A refused row: %d is the line, %s why.
inline constexpr const char* kCsvRow = ZRT_TRANSLATE_NOOP("Document", "line %d: %s");
//: port, unit, input, arch and name are the CSV file's column names: keep them English.
inline constexpr const char* kCsvNoHeader = ZRT_TRANSLATE_NOOP(
    "Document", "line 1: the file has no header row; the first row names the columns");
inline constexpr const char* kCsvColumnTwice =
    ZRT_TRANSLATE_NOOP("Document", "the column is given twice; each column once");
//: port, unit and input are the CSV file's column names: keep them English.
inline constexpr const char* kCsvColumnMissing = ZRT_TRANSLATE_NOOP(
    "Document", "the column is missing; port, unit and input say which input a row is for");
//: arch and name are the CSV file's column names: keep them English.
inline constexpr const char* kCsvNothingToTake = ZRT_TRANSLATE_NOOP(
    "Document", "neither an arch nor a name column; a file gives arch, name or both");
//: The first %zu is the fields of the row, the second those of the header row.
inline constexpr const char* kCsvFieldCount = ZRT_TRANSLATE_NOOP(
    "Document", "%zu fields where the header has %zu; every row has the header's columns");
//: %s is the cell's text.
inline constexpr const char* kCsvNotPlace = ZRT_TRANSLATE_NOOP(
    "Document",
    "\"%s\" is not a place number; a whole number from 1, or nothing for the unit and "
    "input of an input wired to its port");
inline constexpr const char* kCsvNoSuchInput = ZRT_TRANSLATE_NOOP(
    "Document", "no such input in this configuration; the export lists every input there is");
//: %d is the line that gave the input first.
inline constexpr const char* kCsvInputTwice =
    ZRT_TRANSLATE_NOOP("Document", "the input is already given on line %d; each input once");
//: "Arch Number" is the product's own term for the number dialled for a camera; keep it.
inline constexpr const char* kCsvArchNeeded = ZRT_TRANSLATE_NOOP(
    "Document", "an Arch Number is needed; 1 to 4 characters, each a digit, \"#\" or \"*\"");
//: %s is the cell's text.
inline constexpr const char* kCsvArchCharacters = ZRT_TRANSLATE_NOOP(
    "Document", "\"%s\" is not an Arch Number; 1 to 4 characters, each a digit, \"#\" or \"*\"");
//: %s is the cell's text.
inline constexpr const char* kCsvArchLong = ZRT_TRANSLATE_NOOP(
    "Document",
    "\"%s\" is longer than 4 characters; 1 to 4 characters, each a digit, \"#\" or \"*\"");
inline constexpr const char* kCsvNameCharacterSet = ZRT_TRANSLATE_NOOP(
    "Document",
    "a character outside the unit's character set; letters, digits and signs of Latin-1");
inline constexpr const char* kCsvNameLong =
    ZRT_TRANSLATE_NOOP("Document", "longer than the unit's 15 characters; at most 15 characters");
inline constexpr const char* kCsvNameControl = ZRT_TRANSLATE_NOOP(
    "Document",
    "a tab, a line break or another control character; letters, digits, signs and blanks");
//: %s says what is wrong with the file's quoting (one of the three texts that follow).
inline constexpr const char* kCsvMalformed =
    ZRT_TRANSLATE_NOOP("Document",
                       "%s; quote a field that holds the separator, a quote "
                       "or a line end, and double the quotes inside");

// What is wrong with a CSV file's quoting, before kCsvMalformed's advice.
//: A CSV file's quoting fault: the first %d is the line, the second the column.
inline constexpr const char* kCsvQuoteNotClosed =
    ZRT_TRANSLATE_NOOP("Document", "line %d, column %d: a quoted field is not closed");
//: A CSV file's quoting fault: the first %d is the line, the second the column.
inline constexpr const char* kCsvTextAfterQuote =
    ZRT_TRANSLATE_NOOP("Document", "line %d, column %d: text after a closing quote");
//: A CSV file's quoting fault: the first %d is the line, the second the column.
inline constexpr const char* kCsvQuoteInside =
    ZRT_TRANSLATE_NOOP("Document", "line %d, column %d: a quote inside an unquoted field");

// What a CSV file holds that is not applied, shown before OK.
//: %s is the column's name as the file has it.
inline constexpr const char* kCsvColumnIgnored =
    ZRT_TRANSLATE_NOOP("Document", "Column \"%s\" is not known and is ignored.");
//: original_arch and pageable are the CSV file's column names: keep them;
//: %d is the number of rows. "Reset to Original" is a button of the Arch Number page.
inline constexpr const char* kCsvOriginalNotApplied = ZRT_TRANSLATE_NOOP(
    "Document",
    "Column original_arch is not applied (%d rows differ): an input keeps the number it "
    "was built with, for Reset to Original.");
//: pageable is a CSV column name: keep it; %d is the number of rows.
inline constexpr const char* kCsvPageableNotApplied = ZRT_TRANSLATE_NOOP(
    "Document",
    "Column pageable is not applied (%d rows differ): an input is pageable when its number "
    "is one of the paging system's.");
//: %d inputs (a number) would have the same Arch Number %s.
inline constexpr const char* kCsvShared =
    ZRT_TRANSLATE_NOOP("Document", "%d inputs would share %s");

// Why a configuration file was not read, after its name.
//: After the file's name and a colon.
inline constexpr const char* kTooLargeOrUnreadable =
    ZRT_TRANSLATE_NOOP("Document", "cannot be read, or larger than 64 MB");

// Asked at start when unsaved work was kept from a run that ended without its
// questions: %1 the name the work had, %2 when it was kept.
//: Asked at start: %1 is the configuration's name, %2 the date and time the work was kept.
inline constexpr const char* kRecoverQuestion =
    ZRT_TRANSLATE_NOOP("Document", "Recover the unsaved changes to %1 from %2?");

// The differences between two configurations as a person reads them (the
// compare window, the Write to Unit question, zrtpro-cli diff). The items and
// values are kept in English as data; these are their words.
//: An item of the differences: the unit's model (M-4400, M-4800).
inline constexpr const char* kShownModel = ZRT_TRANSLATE_NOOP("Document", "Model");
//: An item of the differences: how many camera interface units the unit has.
inline constexpr const char* kShownCiuCount =
    ZRT_TRANSLATE_NOOP("Document", "Camera interface units");
//: An item of the differences: the paging system the numbers came from.
inline constexpr const char* kShownPaging = ZRT_TRANSLATE_NOOP("Document", "Paging system");
//: An item of the differences: how many digits an Arch Number has.
inline constexpr const char* kShownDigits = ZRT_TRANSLATE_NOOP("Document", "Digits");
//: An item of the differences: which of the telephone and the PC wins.
inline constexpr const char* kShownPriority = ZRT_TRANSLATE_NOOP("Document", "Priority");
inline constexpr const char* kShownRefreshPc =
    ZRT_TRANSLATE_NOOP("Document", "Time refresh from the PC");
//: SMDR is the telephone system's call record line; keep the name.
inline constexpr const char* kShownRefreshSmdr =
    ZRT_TRANSLATE_NOOP("Document", "Time refresh from SMDR");
//: An item of the differences: %s is the video output (1 to 4) the administrator belongs to.
inline constexpr const char* kShownAdminArch =
    ZRT_TRANSLATE_NOOP("Document", "Administrator Arch Number %s");
inline constexpr const char* kShownIdleDelay = ZRT_TRANSLATE_NOOP("Document", "Idle loop delay");
inline constexpr const char* kShownIdleNoVideo =
    ZRT_TRANSLATE_NOOP("Document", "Idle loop without video");
//: An item of the differences: %s is the place in the idle loop (1, 2, ...).
inline constexpr const char* kShownIdleEntry = ZRT_TRANSLATE_NOOP("Document", "Idle loop entry %s");
//: An item of the differences: %s is an input as the tree names it ("Input 3").
inline constexpr const char* kShownInputArch = ZRT_TRANSLATE_NOOP("Document", "%s Arch Number");
//: %s is an input as the tree names it; the number it had when the configuration was made.
inline constexpr const char* kShownInputOrigArch =
    ZRT_TRANSLATE_NOOP("Document", "%s original Arch Number");
//: %s is an input as the tree names it; the camera's name.
inline constexpr const char* kShownInputName = ZRT_TRANSLATE_NOOP("Document", "%s name");
//: %s is an input as the tree names it; whether the paging system can call it up.
inline constexpr const char* kShownInputPageable = ZRT_TRANSLATE_NOOP("Document", "%s pageable");
//: An item of the differences: %s is an Arch Number no input has.
inline constexpr const char* kShownUnassigned = ZRT_TRANSLATE_NOOP("Document", "Unassigned %s");
//: A value in the differences.
inline constexpr const char* kShownYes = ZRT_TRANSLATE_NOOP("Document", "yes");
//: A value in the differences.
inline constexpr const char* kShownNo = ZRT_TRANSLATE_NOOP("Document", "no");
//: A value in the differences: the configuration has this input.
inline constexpr const char* kShownPresent = ZRT_TRANSLATE_NOOP("Document", "present");
//: A value in the differences: the Arch Number is kept without an input.
inline constexpr const char* kShownUnassignedValue = ZRT_TRANSLATE_NOOP("Document", "unassigned");
//: Follows "unassigned" (and a name) in the differences.
inline constexpr const char* kShownNonPageable = ZRT_TRANSLATE_NOOP("Document", ", non-pageable");
//: A value of the item "Paging system": the configuration has none.
inline constexpr const char* kShownNoPaging = ZRT_TRANSLATE_NOOP("Document", "none");
//: A value of the item "Paging system": a code this program does not know.
inline constexpr const char* kShownUnknownPaging = ZRT_TRANSLATE_NOOP("Document", "unknown");

}  // namespace DocumentMessages
