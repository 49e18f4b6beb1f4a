#pragma once
#include <cstdint>
#include <vector>

struct Program;

// What indexing a question body found.
struct IndexOutcome {
    std::int32_t questions = 0;
    // The file cannot be run at all: it has been reported and the window asked to close.
    bool closesWindow = false;
};

// Applies and removes the directive lines of FileLines, drops the empty lines below the last choices
// line, finds the translation file and fills the question table.
// `sourceLines` holds the file line number of every line of FileLines and is kept in step with it.
IndexOutcome IndexQuestions(Program& program, std::vector<int>& sourceLines);
