#pragma once

namespace UnitWidgetMessages {
inline constexpr const char* kProgress = "Communication Progress:";
inline constexpr const char* kPleaseWait = "Please wait until the operation is completed.";
}  // namespace UnitWidgetMessages
