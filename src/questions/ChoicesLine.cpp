#include "questions/ChoicesLine.h"

#include <algorithm>

#include "questions/DbcsPos.h"

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

int WidestChoice(const std::vector<std::string>& choices, int first, int last) {
    std::size_t widest = 0;
    for (int k = first; k <= last && k <= static_cast<int>(choices.size()); ++k)
        widest = std::max(widest, choices[static_cast<std::size_t>(k - 1)].size());
    return static_cast<int>(widest);
}
