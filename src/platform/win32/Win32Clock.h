#pragma once
#include <cstdint>
#include <random>

#include "platform/Platform.h"

// The tick counter, the local and the UTC time of Windows, and the random numbers of the run.
class Win32Clock {
public:
    std::uint32_t tickCount();
    LocalTime localTime();
    std::int32_t utcMillisecondsSinceMidnight();
    void seedRandom(std::uint32_t seed) { m_random.seed(seed); }
    std::int32_t randomBelow(std::int32_t range);

private:
    std::mt19937 m_random;
};
