#pragma once
#include <string>
#include <vector>

#include "fake/Drill.h"

inline constexpr int BenchQuestions = 128;
inline constexpr int BenchChoices = 17;

// The largest drill a file may hold: 128 questions of 17 choices, two blanks each, with a translation file.
// Written into the drill's files as "big.m7" and "bigjp.txt".
void WriteBigDrill(Drill& drill);
// Writes the big drill and opens it.
void OpenBigDrill(Drill& drill);

// Every this many iterations a benchmark drops what the fake platform recorded and keeps the run's
// counters small, so that a long measurement neither grows memory nor overflows a counter.
inline constexpr int TrimEvery = 1024;
void TrimRecords(Drill& drill);

// Puts the next of the drill's questions on screen, round and round, trimming the records now and then.
void ShowNextQuestion(Drill& drill, int& shown);
