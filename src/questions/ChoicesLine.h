#pragma once
#include <string>
#include <vector>

inline constexpr std::size_t LastChoiceLimit = 254;

// Whether a body line is a choices line: it begins with "#".
inline bool IsChoicesLine(const std::string& line) {
    return !line.empty() && line[0] == '#';
}

// The labels of an answer line, the line after a choices line; trailing blanks do not count.
inline std::string TrimAnswerLine(std::string line) {
    line.erase(line.find_last_not_of(' ') + 1);
    return line;
}

// The answer line with full-width digits, "Ａ" to "Ｈ" and the full-width blank as their half-width forms:
// teachers type answer lines with the input method on.
std::string HalfWidthAnswerLine(const std::string& line);

// The choices of a choices line ("#a#b#c"), in file order. The separators are found with DbcsPos,
// and the last choice is cut to 254 bytes.
std::vector<std::string> SplitChoices(const std::string& choicesLine);

// The longest of choices first..last (1-based, as far as there are any), in bytes.
int WidestChoice(const std::vector<std::string>& choices, int first, int last);
