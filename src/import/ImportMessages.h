#pragma once

#include "model/Translate.h"

// The words of the importers, the setup wizard and the builds.
namespace ImportMessages {
//: "arch number" is the product's own term for the number dialled for a camera;
//: keep it as "Arch Number" in German. Lunetta is a paging system's name.
inline constexpr const char* kAdminFileMissing = ZRT_TRANSLATE_NOOP(
    "Import",
    "Error   unable to open Lunetta administrator file.  The default values were used for the "
    "administrator arch number order.");
// Administrators whose slot in tdx_admn.usr reads FF FF; one line a slot follows.
//: A line per unprogrammed slot follows (the next text).
inline constexpr const char* kAdminSlotsUnprogrammed = ZRT_TRANSLATE_NOOP(
    "Import",
    "The Lunetta administrator file leaves these administrator slots unprogrammed; the default "
    "Arch Numbers were used:");
//: One line of the list above: the first %d is the Video Out (1 to 4), the second
//: the Arch Number used for it. Keep the line break and the blanks at the start.
inline constexpr const char* kAdminSlotDefault =
    ZRT_TRANSLATE_NOOP("Import", "\n  Video Out %d: %d");
//: %s is the file's path.
inline constexpr const char* kUnableToOpenFile =
    ZRT_TRANSLATE_NOOP("Import", "unable to open file %s");
//: %s is the folder of the Lunetta files.
inline constexpr const char* kNoBoards =
    ZRT_TRANSLATE_NOOP("Import", "The Lunetta files in %s name no installed station board.");
inline constexpr const char* kUnsupportedVersion =
    ZRT_TRANSLATE_NOOP("Import", "Unsupported file version -- terminating file read");
//: The station database (an Access file) could not be opened.
inline constexpr const char* kDbOpenError = ZRT_TRANSLATE_NOOP("Import", "db open error");
//: Clids and sysconfig are the names of the station database's tables; keep them.
inline constexpr const char* kTableTrouble =
    ZRT_TRANSLATE_NOOP("Import", "trouble with Clids or sysconfig database table");
inline constexpr const char* kReadingDatabase =
    ZRT_TRANSLATE_NOOP("Import", "Reading the station database...");

//: In the main unit model dialog: neither unit model was chosen.
inline constexpr const char* kSelectRows =
    ZRT_TRANSLATE_NOOP("Import", "Please select a number of rows.");

inline constexpr const char* kChooseFilename =
    ZRT_TRANSLATE_NOOP("Import", "Please choose a filename.");
// A file name typed in the wizard that names no file.
//: %1 is the file name typed in the setup wizard.
inline constexpr const char* kFileNotFound =
    ZRT_TRANSLATE_NOOP("Import", "The file %1 does not exist.");
inline constexpr const char* kChooseOneFilename =
    ZRT_TRANSLATE_NOOP("Import", "Please choose only one filename.");
//: A field of the setup wizard that needs a whole number holds something else.
inline constexpr const char* kSpecifyInteger =
    ZRT_TRANSLATE_NOOP("Import", "Please specify an Integer");
inline constexpr const char* kCiuRange =
    ZRT_TRANSLATE_NOOP("Import", "Please enter an integer from 0 to 8");
inline constexpr const char* kSelectSystemType =
    ZRT_TRANSLATE_NOOP("Import", "Please select a system type.");
inline constexpr const char* kEnterValue = ZRT_TRANSLATE_NOOP("Import", "Please enter a value.");
inline constexpr const char* kDialDigitsRange =
    ZRT_TRANSLATE_NOOP("Import", "Please enter a 2 or 3 for Default Dial Plan digits.");
//: Quillon is a paging system's name; keep the line breaks.
inline constexpr const char* kQuillonTwoDigitPorts = ZRT_TRANSLATE_NOOP(
    "Import",
    "For Quillon systems, when the number of dial plan digits is 2 the maximum number of "
    "expansion ports is 3.\n\nPlease enter a value of 3 or less");
inline constexpr const char* kQuillonPortsRange =
    ZRT_TRANSLATE_NOOP("Import", "Please enter an integer from 0 to 8.");
inline constexpr const char* kLunettaCardsRange =
    ZRT_TRANSLATE_NOOP("Import", "Please enter an integer from 1 to 15.");
inline constexpr const char* kM7700UnitsRange =
    ZRT_TRANSLATE_NOOP("Import", "Please enter an integer from 0 to 3.");
//: EM-4500 and M-4400 are product names; keep the line breaks.
inline constexpr const char* kOneRowCiuLimit = ZRT_TRANSLATE_NOOP(
    "Import",
    "A M-4400 unit with one row of BNC connectors supports\na maximum of 4 EM-4500 Camera "
    "Interface Units.\n\nPlease enter a number from 0 to 4.");
inline constexpr const char* kSelectM4400Rows =
    ZRT_TRANSLATE_NOOP("Import", "Please select the number of M-4400 rows");
inline constexpr const char* kSelectInputMethod =
    ZRT_TRANSLATE_NOOP("Import", "Please select an input method.");

//: Label of a setup wizard field, before the number.
inline constexpr const char* kExpansionUnitsCaption =
    ZRT_TRANSLATE_NOOP("Import", "Number of Expansion Units:");
//: Label of a setup wizard field for a Lunetta system, before the number.
inline constexpr const char* kStationCardsCaption =
    ZRT_TRANSLATE_NOOP("Import", "Number of Station Cards:");

//: An internal fault; the text in brackets says where it happened.
inline constexpr const char* kTreeInitFileNew =
    ZRT_TRANSLATE_NOOP("Import", "Error, unable to initialize the tree view.(file new)");
inline constexpr const char* kTreeInitRunWizard =
    ZRT_TRANSLATE_NOOP("Import", "Error, unable to initialize the tree view.(left tree runwizard)");
}  // namespace ImportMessages

// What the database engine reports, shown after the program's own message.
namespace EngineMessages {
inline constexpr const char* kFileNotFound =
    ZRT_TRANSLATE_NOOP("Import", "Could not find file '%s'.");
inline constexpr const char* kNotADatabase =
    ZRT_TRANSLATE_NOOP("Import", "'%s' is not a Jet/Access database that can be read.");
inline constexpr const char* kNoTable =
    ZRT_TRANSLATE_NOOP("Import", "The database has no table '%s'.");
//: The first %s is the table's name, the second the column's.
inline constexpr const char* kNoColumn =
    ZRT_TRANSLATE_NOOP("Import", "The table '%s' has no column '%s'.");
inline constexpr const char* kNoCurrentRecord =
    ZRT_TRANSLATE_NOOP("Import", "No current record: the table '%s' holds no rows.");
//: The first %s is the value read, the second the column's name.
inline constexpr const char* kNotAByte =
    ZRT_TRANSLATE_NOOP("Import", "The value '%s' of column '%s' is not a number from 0 to 255.");
inline constexpr const char* kEngineStopped = ZRT_TRANSLATE_NOOP(
    "Import", "The database engine stopped while reading '%s': the file is damaged.");
//: %s is the database file's path.
inline constexpr const char* kEngineUnavailable =
    ZRT_TRANSLATE_NOOP("Import", "The database engine could not be started to read '%s'.");
}  // namespace EngineMessages
