#pragma once
#include <string>

// The folder of a file name up to and including its last "/", a double-byte character read as one.
std::string ProgramFolder(const std::string& path);
