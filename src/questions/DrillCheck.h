#pragma once
#include <cstddef>
#include <string>
#include <vector>

class DrillFiles;

// What a teacher learns about a question file before handing it out.
struct DrillCheck {
    bool opens = false;
    std::string report; // UTF-8 lines, each ended by "\n"
};

// Opens the question file `name` as the Open command would, on a program of its own that reads only the
// drill's files: it has no results log, shows no box, plays nothing and writes nothing. The report gives
// the encoding, the number of questions or the refusal, each question's picture, sound and translation
// line, and what the window would show oddly; `shownName` heads it.
DrillCheck CheckDrill(DrillFiles& files, const std::string& name, const std::string& shownName);

// The line that ends a check of `files` files of which `opening` would open: "3 ファイル: 2 開けます, 1 開けません".
std::string DrillCheckSummary(std::size_t files, std::size_t opening);
// The check's exit status: 0 when there were files and every one would open, else 1.
int DrillCheckStatus(std::size_t files, std::size_t opening);

// The question files among the names of a folder's files: those ending in ".m7" in either case, in byte
// order, which for UTF-8 names is the order of their characters.
std::vector<std::string> DrillFilesAmong(std::vector<std::string> names);
