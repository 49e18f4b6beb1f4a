#pragma once
#include <string_view>

// Text of a program without a console of its own, for the command line: to the console it was started
// from, in UTF-16, whatever that console's code page; or, where standard output or error goes to a file
// or a pipe, in UTF-8 as on Linux.
void writeOutput(std::string_view utf8);
void writeError(std::string_view utf8);
