#pragma once

struct Program;

// A miss: "NG", the buzz, the counters; the same blank is asked again.
void WrongAnswer(Program& program);
// A correct answer: the next blank, or the question is complete and the run moves on or ends.
void CorrectAnswer(Program& program);
// Whether input that acts on the question can be taken: a question is asked and no correct answer waits.
bool TakesInput(const Program& program);
