#pragma once
#include <optional>
#include <string>
#include <vector>

class LineList;

// The first line of every box that refuses a file's format.
std::string WrongFormatText();

// What is wrong with an indexed question body that no run can start on, and on which line of the
// file, in Japanese (Shift-JIS); nothing when every question can be asked.
// `lines` is the cleaned body, `sourceLines` the file line number of each of its lines.
std::optional<std::string> FindFormatFault(const LineList& lines, const std::vector<int>& sourceLines);
