#pragma once
#include <string>

struct Program;

// Ends the fuzzing run with the broken rule named, so that libFuzzer keeps the input as a finding.
[[noreturn]] void Violation(const std::string& what);

// The pending row holds, in every entry, 0 or the number of its own question.
void CheckQuestionTable(const Program& program);

// What holds between two events while a question is asked: the current question is in range and
// pending, its choices are shown, the key names one of them and the memo selection is inside the text.
void CheckAsking(const Program& program);
