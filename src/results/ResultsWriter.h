#pragma once

struct Program;

// Appends the finished run's record to the results log and sets ElapsedSeconds. Runs once per Open.
void WriteResultsRecord(Program& program);
