#pragma once
#include <string>

// The folder of a file name up to and including its last "/". The bytes stay as the file system gave
// them: "/" is never the second byte of a Shift-JIS character.
std::string ProgramFolder(const std::string& path);
