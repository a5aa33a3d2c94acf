#pragma once

#include <chrono>
#include <ctime>

// Where Set Time takes the PC's local time from, and a transfer the time its
// pace is measured in; the tests give a fixed clock.
class UnitClock {
public:
    using TimePoint = std::chrono::steady_clock::time_point;
    using Duration = std::chrono::steady_clock::duration;

    virtual ~UnitClock() = default;
    virtual std::tm LocalTime() = 0;
    virtual TimePoint Now() { return std::chrono::steady_clock::now(); }
};

// The system's clock in the local time zone.
class SystemClock : public UnitClock {
public:
    std::tm LocalTime() override {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        return local;
    }
};
