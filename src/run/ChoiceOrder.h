#pragma once
#include <cstdint>
#include <string>

struct Program;
struct RunState;

// A longer run of "_" is asked as several blanks: this many bytes, then the rest.
inline constexpr std::size_t BlankLimit = 50;

// Takes the first key of AnswerLine, moves its choice to a random position and sets AnswerKey.
void ShuffleKey(Program& program);
// Makes the first key of AnswerLine the AnswerKey and drops it with its separator.
void TakeNextKey(RunState& run);
// Selects the first blank of the question memo and records its start in BlankStart.
void SelectBlank(Program& program);
// The number of "_" bytes at the start of s plus one; 0 for a text shorter than 2 bytes.
std::int32_t BlankLength(const std::string& s);
// The next pending question after n, wrapping round to 1 (n itself last); 0 when none is pending.
std::int32_t NextPendingQuestion(Program& program, std::int32_t n);
