#pragma once

#include <ctime>

// Where Set Time takes the PC's local time from; the tests give a fixed clock.
class UnitClock {
public:
    virtual ~UnitClock() = default;
    virtual std::tm LocalTime() = 0;
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
