#pragma once
#include <cstdint>

struct Program;

// Waits `ms` milliseconds while window messages are processed (at least once, also for 0 ms).
// Throws WindowClosing once the window has been asked to close.
void Pause(Program& program, std::int32_t ms);
