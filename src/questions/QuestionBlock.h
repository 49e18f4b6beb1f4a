#pragma once
#include <string>

class LineList;

// One question of an indexed drill as the window asks it.
struct QuestionBlock {
    std::string text;        // its text lines, each ended by CR LF, as the memo shows them
    std::string choicesLine; // "#a#b#c"
    std::string answerLine;  // its labels, trailing blanks left out
};

// The question whose first text line is `start`; the lines up to its choices line are its text.
QuestionBlock ReadQuestionBlock(const LineList& lines, int start);
