#pragma once
#include <cstdint>
#include <vector>

struct Program;

inline constexpr std::int32_t NoChoicesLine = 5000;

// Applies and removes the directive lines of FileLines, drops the empty lines below the last choices
// line, finds the translation file and fills the question table. Returns the number of questions,
// or NoChoicesLine when the body has none (reported, and the window closed).
// `sourceLines` holds the file line number of every line of FileLines and is kept in step with it.
std::int32_t IndexQuestions(Program& program, std::vector<int>& sourceLines);
