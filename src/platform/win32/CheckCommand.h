#pragma once
#include <string>
#include <vector>

// `qm7w.exe --check FILE|FOLDER...`: reads each question file, and each ".m7" file of a folder (Shift-JIS
// names), as the Open command would and reports on it, with no window. 0 when every file would open,
// else 1.
int runDrillCheck(const std::vector<std::string>& names);
