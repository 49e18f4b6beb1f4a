#pragma once

struct Program;

// The last pending question is answered: the record is written and the run's figures are shown.
void EndRun(Program& program);
