#pragma once
#include <cstdint>

struct LocalTime {
    int year = 2000; // four digits
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The machine's clocks and random numbers.
class Clock {
public:
    virtual ~Clock() = default;

    virtual std::uint32_t tickCount() = 0; // milliseconds, wraps at 2^32
    virtual LocalTime localTime() = 0;
    virtual std::int32_t utcMillisecondsSinceMidnight() = 0;
    virtual void seedRandom(std::uint32_t seed) = 0;
    virtual std::int32_t randomBelow(std::int32_t range) = 0; // 0 .. range - 1
};
