#pragma once
#include <string>
#include <vector>

// `qm7w --check FILE|FOLDER...`: reads each question file, and each ".m7" file of a folder, as the Open
// command would and reports on it in UTF-8 on standard output, ending with a count of the files that
// open and that do not. Needs no display, no sound device and no results log. 0 when every file would
// open, else 1.
int runDrillCheck(const std::vector<std::string>& names);
