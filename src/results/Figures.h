#pragma once
#include <string>

// The number pattern "##0.00": at least one integer digit, exactly two decimals, a half rounded
// away from zero.
std::string FormatFigure(double value);

// Puts `pad` in front of `text` until it is `width` bytes long; a longer text stays whole.
std::string PadLeft(const std::string& text, std::size_t width, char pad);
