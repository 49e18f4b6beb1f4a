#include "platform/posix/PosixClock.h"

#include <chrono>
#include <ctime>

std::uint32_t PosixClock::tickCount() {
    auto sinceBoot = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(sinceBoot).count());
}

LocalTime PosixClock::localTime() {
    std::time_t now = std::time(nullptr);
    std::tm parts{};
    localtime_r(&now, &parts);
    return LocalTime{parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec};
}

std::int32_t PosixClock::utcMillisecondsSinceMidnight() {
    auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
    auto milliseconds = std::chrono::duration_cast<std::chrono::milliseconds>(sinceEpoch).count();
    return static_cast<std::int32_t>(milliseconds % (24 * 60 * 60 * 1000));
}

std::int32_t PosixClock::randomBelow(std::int32_t range) {
    if (range <= 1)
        return 0;
    return std::uniform_int_distribution<std::int32_t>(0, range - 1)(m_random);
}
