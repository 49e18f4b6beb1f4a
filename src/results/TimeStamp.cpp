#include "results/TimeStamp.h"

#include "results/Figures.h"

namespace {

std::string twoDigits(int value) {
    return PadLeft(std::to_string(value % 100), 2, '0');
}

} // namespace

std::string TimeStamp(const LocalTime& time, bool withDate) {
    std::string text = twoDigits(time.hour) + twoDigits(time.minute) + twoDigits(time.second);
    if (withDate)
        text = twoDigits(time.year) + twoDigits(time.month) + twoDigits(time.day) + " " + text;
    return text;
}
