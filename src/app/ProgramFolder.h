#pragma once
#include <string>

// The folder of a Shift-JIS file name, "/" between folders, up to and including its last "/"; empty when it
// names no folder.
std::string ProgramFolder(const std::string& path);
