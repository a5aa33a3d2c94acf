#pragma once

// Control ids of the setup wizard page, for the dialog and the rules that
// name a field or decide what is shown.
namespace WizardControl {
inline constexpr int kNone = 0;
inline constexpr int kTitle = 1098;
inline constexpr int kMethodGroup = 1129;
inline constexpr int kSpecifyFilename = 1017;
inline constexpr int kSpecifyConfiguration = 1018;
inline constexpr int kReadUnit = 1065;
inline constexpr int kConfigFileLabel = 1008;
inline constexpr int kConfigFile = 1002;
inline constexpr int kConfigFileBrowse = 1003;
inline constexpr int kPagingFileLabel = 1009;
inline constexpr int kPagingFile = 1004;
inline constexpr int kPagingFileBrowse = 1005;
inline constexpr int kSystemGroup = 1010;
inline constexpr int kQuillon = 1030;
inline constexpr int kLunetta = 1031;
inline constexpr int kM7700 = 1032;
inline constexpr int kExpansionLabel = 1011;
inline constexpr int kExpansionCount = 1007;
inline constexpr int kDialDigitsLabel = 1013;
inline constexpr int kDialDigits = 1012;
inline constexpr int kHardwareGroup = 1048;
inline constexpr int kCiuCountLabel = 1015;
inline constexpr int kCiuCount = 1014;
inline constexpr int kFourPort = 1046;
inline constexpr int kEightPort = 1047;
}  // namespace WizardControl
