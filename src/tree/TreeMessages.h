#pragma once

namespace TreeMessages {
inline constexpr const char* kNoUnusedArch = "Error, unable to find unused arch number";
inline constexpr const char* kSettings = "Settings";
inline constexpr const char* kIdleLoop = "Idle Loop";
inline constexpr const char* kInputLabel = "Input %d";
inline constexpr const char* kCiuInputLabel = "exp %d, inp %d";
inline constexpr const char* kSystemSuffix = " System";
inline constexpr const char* kOverviewArch = "overview";
inline constexpr const char* kSettingsArch = "settings";
inline constexpr const char* kIdleLoopArch = "idle loop";
}  // namespace TreeMessages
