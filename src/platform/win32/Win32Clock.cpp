#include "platform/win32/Win32Clock.h"

#include <windows.h>

std::uint32_t Win32Clock::tickCount() {
    return GetTickCount();
}

LocalTime Win32Clock::localTime() {
    return localTimeNow();
}

LocalTime localTimeNow() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return LocalTime{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

std::int32_t Win32Clock::utcMillisecondsSinceMidnight() {
    SYSTEMTIME now{};
    GetSystemTime(&now);
    return ((now.wHour * 60 + now.wMinute) * 60 + now.wSecond) * 1000 + now.wMilliseconds;
}

std::int32_t Win32Clock::randomBelow(std::int32_t range) {
    if (range <= 1)
        return 0;
    return std::uniform_int_distribution<std::int32_t>(0, range - 1)(m_random);
}
