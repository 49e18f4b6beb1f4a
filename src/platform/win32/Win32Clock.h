#pragma once
#include <cstdint>
#include <random>

#include "platform/Clock.h"

// The tick counter, the local and the UTC time of Windows, and the random numbers of the run.
class Win32Clock : public Clock {
public:
    std::uint32_t tickCount() override;
    LocalTime localTime() override;
    std::int32_t utcMillisecondsSinceMidnight() override;
    void seedRandom(std::uint32_t seed) override { m_random.seed(seed); }
    std::int32_t randomBelow(std::int32_t range) override;

private:
    std::mt19937 m_random;
};

// The local time now, for windows that show it without a clock of their own.
LocalTime localTimeNow();
