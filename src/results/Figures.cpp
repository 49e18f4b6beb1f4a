#include "results/Figures.h"

#include <cmath>
#include <cstdio>

std::string FormatFigure(double value) {
    // The nudge keeps decimal halves such as 0.285, stored a hair below the half, rounding up.
    double hundredths = std::round(value * 100.0 + std::copysign(1e-7, value));
    if (hundredths == 0)
        hundredths = 0; // no "-0.00"
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", hundredths / 100.0);
    return text;
}

std::string PadLeft(const std::string& text, std::size_t width, char pad) {
    if (text.size() >= width)
        return text;
    return std::string(width - text.size(), pad) + text;
}
