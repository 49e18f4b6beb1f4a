#pragma once
#include <string>
#include <vector>

// `qm7w --check FILE...`: reads each question file as the Open command would and reports on it in
// UTF-8 on standard output, with no window and no display. 0 when every file would open, else 1.
int runDrillCheck(const std::vector<std::string>& files);
