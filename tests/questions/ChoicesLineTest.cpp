#include <gtest/gtest.h>

#include <utility>

#include "questions/ChoicesLine.h"

TEST(SplitChoices, SeparatorsEmptyChoicesAndTheCutOfTheLastChoice) {
    // Without a separator the first choice is empty; only the last choice is cut to 254 bytes;
    // "ｱ" = 0xB1: the first "#" a search meets after it is refused.
    const std::string x300(300, 'x'), x254(254, 'x');
    const std::pair<std::string, std::vector<std::string>> cases[] = {{"#a#b#c", {"a", "b", "c"}},
                                                                      {"#a#b#", {"a", "b", ""}},
                                                                      {"#a", {"", "a"}},
                                                                      {"#a##b", {"a", "", "b"}},
                                                                      {"#" + x300 + "#b", {x300, "b"}},
                                                                      {"#a#" + x300, {"a", x254}},
                                                                      {"#" + x300, {"", x254}},
                                                                      {"#ab#\xB1#\xB2#c", {"ab", "\xB1#\xB2", "c"}}};
    for (const auto& [line, expected] : cases)
        EXPECT_EQ(SplitChoices(line), expected) << line;
}
