#pragma once
#include <string>

#include "platform/Platform.h"

// "hhmmss", or "yymmdd hhmmss" with the date: how the run tag and the results record write a time.
std::string TimeStamp(const LocalTime& time, bool withDate);
