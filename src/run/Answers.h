#pragma once
#include <cstdint>

class Control;
struct Program;

// A miss: "NG", the buzz, the counters; the same blank is asked again.
void WrongAnswer(Program& program);
// A correct answer: the next blank, or the question is complete and the run moves on or ends.
void CorrectAnswer(Program& program);

// A click on a choice, and a key typed while a question is shown.
void Sel1Click(Program& program, const Control& Sender);
void SentakuBango(Program& program, std::uint16_t& Key);
