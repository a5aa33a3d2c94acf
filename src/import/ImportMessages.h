#pragma once

// The words of the importers, the setup wizard and the builds.
namespace ImportMessages {
inline constexpr const char* kAdminFileMissing =
    "Error   unable to open Lunetta administrator file.  The default values were used for the "
    "administrator arch number order.";
// Administrators whose slot in tdx_admn.usr reads FF FF; one line a slot follows.
inline constexpr const char* kAdminSlotsUnprogrammed =
    "The Lunetta administrator file leaves these administrator slots unprogrammed; the default "
    "Arch Numbers were used:";
inline constexpr const char* kAdminSlotDefault = "\n  Video Out %d: %d";
inline constexpr const char* kUnableToOpenFile = "unable to open file %s";
inline constexpr const char* kNoBoards = "The Lunetta files in %s name no installed station board.";
inline constexpr const char* kUnsupportedVersion =
    "Unsupported file version -- terminating file read";
inline constexpr const char* kDbOpenError = "db open error";
inline constexpr const char* kTableTrouble = "trouble with Clids or sysconfig database table";
inline constexpr const char* kReadingDatabase = "Reading the station database...";

inline constexpr const char* kSelectRows = "Please select a number of rows.";

inline constexpr const char* kChooseFilename = "Please choose a filename.";
// A file name typed in the wizard that names no file.
inline constexpr const char* kFileNotFound = "The file %1 does not exist.";
inline constexpr const char* kChooseOneFilename = "Please choose only one filename.";
inline constexpr const char* kSpecifyInteger = "Please specify an Integer";
inline constexpr const char* kCiuRange = "Please enter an integer from 0 to 8";
inline constexpr const char* kSelectSystemType = "Please select a system type.";
inline constexpr const char* kEnterValue = "Please enter a value.";
inline constexpr const char* kDialDigitsRange =
    "Please enter a 2 or 3 for Default Dial Plan digits.";
inline constexpr const char* kQuillonTwoDigitPorts =
    "For Quillon systems, when the number of dial plan digits is 2 the maximum number of "
    "expansion ports is 3.\n\nPlease enter a value of 3 or less";
inline constexpr const char* kQuillonPortsRange = "Please enter an integer from 0 to 8.";
inline constexpr const char* kLunettaCardsRange = "Please enter an integer from 1 to 15.";
inline constexpr const char* kM7700UnitsRange = "Please enter an integer from 0 to 3.";
inline constexpr const char* kOneRowCiuLimit =
    "A M-4400 unit with one row of BNC connectors supports\na maximum of 4 EM-4500 Camera "
    "Interface Units.\n\nPlease enter a number from 0 to 4.";
inline constexpr const char* kSelectM4400Rows = "Please select the number of M-4400 rows";
inline constexpr const char* kSelectInputMethod = "Please select an input method.";

inline constexpr const char* kExpansionUnitsCaption = "Number of Expansion Units:";
inline constexpr const char* kStationCardsCaption = "Number of Station Cards:";

inline constexpr const char* kTreeInitFileNew =
    "Error, unable to initialize the tree view.(file new)";
inline constexpr const char* kTreeInitRunWizard =
    "Error, unable to initialize the tree view.(left tree runwizard)";
}  // namespace ImportMessages

// What the database engine reports, shown after the program's own message.
namespace EngineMessages {
inline constexpr const char* kFileNotFound = "Could not find file '%s'.";
inline constexpr const char* kNotADatabase = "'%s' is not a Jet/Access database that can be read.";
inline constexpr const char* kNoTable = "The database has no table '%s'.";
inline constexpr const char* kNoColumn = "The table '%s' has no column '%s'.";
inline constexpr const char* kNoCurrentRecord = "No current record: the table '%s' holds no rows.";
inline constexpr const char* kNotAByte =
    "The value '%s' of column '%s' is not a number from 0 to 255.";
inline constexpr const char* kEngineStopped =
    "The database engine stopped while reading '%s': the file is damaged.";
inline constexpr const char* kEngineUnavailable =
    "The database engine could not be started to read '%s'.";
}  // namespace EngineMessages
