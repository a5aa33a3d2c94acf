#pragma once

// Control ids of the main unit model dialog.
namespace UnitModelControl {
inline constexpr int kFourPort = 1053;
inline constexpr int kEightPort = 1054;
inline constexpr int kExpansionLabel = 1128;
inline constexpr int kExpansionList = 1102;
inline constexpr int kOk = 1;
}  // namespace UnitModelControl
