#pragma once

// Captions of the setup wizard page, the main unit model dialog and the
// progress of a database read.
namespace ImportWidgetMessages {
inline constexpr const char* kWizardTitle = "NEXIL Video Switcher Programming Tool Setup";
inline constexpr const char* kWizardHeading = "M-4400 Configuration Wizard";
inline constexpr const char* kMethodGroup = "Please select one of the following:";
inline constexpr const char* kSpecifyFilename = "&Specify Filename";
inline constexpr const char* kSpecifyConfiguration = "Specify &Configuration";
inline constexpr const char* kReadUnit = "Read &M-4400 unit";
inline constexpr const char* kConfigFileLabel = "Specify an NEXIL Filename:";
inline constexpr const char* kPagingFileLabel =
    "OR, Specify a Quillon, Lunetta or M-7700 Filename:";
inline constexpr const char* kBrowse = "Browse";
// What a screen reader calls the two Browse buttons, which look alike.
inline constexpr const char* kBrowseConfigName = "Browse for an NEXIL file";
inline constexpr const char* kBrowsePagingName = "Browse for a paging system file";
inline constexpr const char* kSystemGroup = "Paging System Description";
inline constexpr const char* kQuillon = "&Quillon";
inline constexpr const char* kLunetta = "&Lunetta";
inline constexpr const char* kM7700 = "MC-77/M-7&700";
inline constexpr const char* kDialDigitsLabel = "Number of Digits in Default Dialing Plan";
inline constexpr const char* kHardwareGroup = "M-4400 / 4500 Hardware";
inline constexpr const char* kCiuCountLabel = "Number of M-4500 Camera Interface Units";
inline constexpr const char* kFourPortMaster = "Using a M-4400 Master Unit (4 Port)";
inline constexpr const char* kEightPortMaster = "Using a M-4800 Master Unit (8 Port)";
inline constexpr const char* kFinish = "&Finish";
// No access key: Alt+C belongs to Specify Configuration; Esc cancels.
inline constexpr const char* kCancel = "Cancel";

inline constexpr const char* kUnitModelTitle = "Please select the main unit model number";
inline constexpr const char* kFourPortModel = "The M-4400 main unit (4 port)";
inline constexpr const char* kEightPortModel = "The M-4800 main unit (8 port)";
inline constexpr const char* kExpansionUnits = "Select number of expansion units:";
inline constexpr const char* kOk = "OK";

// The progress dialog of a station database read that takes a while.
inline constexpr const char* kCancelRead = "Cancel";
}  // namespace ImportWidgetMessages
