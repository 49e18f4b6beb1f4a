#pragma once

struct Program;

// Opens the player's file. Without a sound device the learner is told once in the program's life and
// the drill goes on in silence: false then. Any other failure is thrown as AppError.
bool OpenSound(Program& program);
