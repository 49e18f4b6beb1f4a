#pragma once
#include <cstddef>
#include <string>

class DrillFiles;

// Sizes far beyond any real drill: larger files and lines are refused before they can hold the program
// for minutes or take its memory.
constexpr std::size_t DrillFileLimit = std::size_t{16} << 20; // a question or translation file
constexpr std::size_t MediaFileLimit = std::size_t{64} << 20; // a picture or a sound
constexpr std::size_t LineLimit = std::size_t{64} << 10;      // one line, as Shift-JIS; Qt lays out longer ones slowly

std::string CannotOpenText(const std::string& name);
// Names the limit, in MB.
std::string TooLargeText(const std::string& name, std::size_t limit);
std::string OutOfMemoryText();

// The whole file, read no further than one byte past `limit`; a larger one is refused with TooLargeText.
std::string readLimitedFile(DrillFiles& files, const std::string& name, std::size_t limit);
