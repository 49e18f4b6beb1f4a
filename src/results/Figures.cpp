#include "results/Figures.h"

#include <charconv>
#include <cmath>

std::string FormatFigure(double value) {
    // The nudge keeps decimal halves such as 0.285, stored a hair below the half, rounding up.
    double hundredths = std::round(value * 100.0 + std::copysign(1e-7, value));
    if (hundredths == 0)
        hundredths = 0; // no "-0.00"
    // The C library's formatting follows the desktop's locale, which may write a decimal comma.
    char text[400];
    auto result = std::to_chars(text, text + sizeof text, hundredths / 100.0, std::chars_format::fixed, 2);
    return std::string(text, result.ptr);
}

std::string PadLeft(const std::string& text, std::size_t width, char pad) {
    if (text.size() >= width)
        return text;
    return std::string(width - text.size(), pad) + text;
}
