#include "questions/ChoicesLine.h"

#include <algorithm>

#include "text/Cp932.h"
#include "text/DbcsPos.h"

std::vector<std::string> SplitChoices(const std::string& choicesLine) {
    std::vector<std::string> choices;
    // A view that moves past each choice: cutting the front off a string would copy the rest each time.
    std::string_view rest(choicesLine);
    rest.remove_prefix(std::min<std::size_t>(1, rest.size()));

    // The first choice is empty when the rest holds no separator, and the rest then stays whole.
    std::size_t p = static_cast<std::size_t>(DbcsPos("#", rest));
    choices.emplace_back(p == 0 ? std::string_view() : rest.substr(0, p - 1));
    rest.remove_prefix(p);

    for (;;) {
        p = static_cast<std::size_t>(DbcsPos("#", rest));
        if (p == 0) {
            choices.emplace_back(rest.substr(0, LastChoiceLimit));
            return choices;
        }
        choices.emplace_back(rest.substr(0, p - 1));
        rest.remove_prefix(p);
    }
}

std::string HalfWidthAnswerLine(const std::string& line) {
    std::string halfWidth;
    for (std::size_t i = 0, length = 0; i < line.size(); i += length) {
        length = characterLength(line, i);
        auto first = static_cast<unsigned char>(line[i]);
        auto second = static_cast<unsigned char>(line[i + length - 1]);
        if (length == 2 && first == 0x82 && second >= 0x4F && second <= 0x58) // "０" to "９"
            halfWidth += static_cast<char>('0' + second - 0x4F);
        else if (length == 2 && first == 0x82 && second >= 0x60 && second <= 0x67) // "Ａ" to "Ｈ"
            halfWidth += static_cast<char>('A' + second - 0x60);
        else if (length == 2 && first == 0x81 && second == 0x40) // the full-width blank
            halfWidth += ' ';
        else
            halfWidth.append(line, i, length);
    }
    return halfWidth;
}

int WidestChoice(const std::vector<std::string>& choices, int first, int last) {
    std::size_t widest = 0;
    for (int k = first; k <= last && k <= static_cast<int>(choices.size()); ++k)
        widest = std::max(widest, choices[static_cast<std::size_t>(k - 1)].size());
    return static_cast<int>(widest);
}
