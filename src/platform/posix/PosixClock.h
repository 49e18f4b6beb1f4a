#pragma once
#include <random>

#include "platform/Clock.h"

// The clocks of a POSIX system and a Mersenne twister for the random numbers.
class PosixClock : public Clock {
public:
    std::uint32_t tickCount() override;
    LocalTime localTime() override;
    std::int32_t utcMillisecondsSinceMidnight() override;
    void seedRandom(std::uint32_t seed) override { m_random.seed(seed); }
    std::int32_t randomBelow(std::int32_t range) override;

private:
    std::mt19937 m_random;
};
