#pragma once

#include <chrono>

using DeadlineClock = std::chrono::steady_clock;

// The milliseconds left until `deadline`, 0 once it has passed.
inline int MsLeft(DeadlineClock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - DeadlineClock::now())
            .count();
    return left > 0 ? static_cast<int>(left) : 0;
}
