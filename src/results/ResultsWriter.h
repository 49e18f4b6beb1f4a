#pragma once

struct Program;

// Appends the finished run's record to the results log and sets ElapsedSeconds.
void WriteResultsRecord(Program& program);
