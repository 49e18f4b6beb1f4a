#pragma once

struct Program;

// Shows the totals of every record of the results log: accumulated time, correct-answer rate and speed.
// The log itself is never changed here.
void ShowResultsTotals(Program& program);
