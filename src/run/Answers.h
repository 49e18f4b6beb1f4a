#pragma once

struct Program;

// A miss: "NG", the buzz, the counters; the same blank is asked again.
void WrongAnswer(Program& program);
// A correct answer: the next blank, or the question is complete and the run moves on or ends.
void CorrectAnswer(Program& program);
