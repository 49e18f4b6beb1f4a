#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "questions/ChoicesLine.h"
#include "text/DbcsPos.h"

TEST(SplitChoices, SeparatorsEmptyChoicesAndTheCutOfTheLastChoice) {
    // Without a separator the first choice is empty; only the last choice is cut to 254 bytes;
    // "ｱ" = 0xB1 is a character of one byte, "ソ" = 0x83 0x5C one of two.
    const std::string x300(300, 'x'), x254(254, 'x');
    const std::pair<std::string, std::vector<std::string>> cases[] = {{"#a#b#c", {"a", "b", "c"}},
                                                                      {"#a#b#", {"a", "b", ""}},
                                                                      {"#a", {"", "a"}},
                                                                      {"#a##b", {"a", "", "b"}},
                                                                      {"#" + x300 + "#b", {x300, "b"}},
                                                                      {"#a#" + x300, {"a", x254}},
                                                                      {"#" + x300, {"", x254}},
                                                                      {"#\xB1#\x83\x5C#c", {"\xB1", "\x83\x5C", "c"}}};
    for (const auto& [line, expected] : cases)
        EXPECT_EQ(SplitChoices(line), expected) << line;
}

TEST(DbcsPos, FindsOnlyOccurrencesThatStartACharacter) {
    // "ミ" = 0x83 0x5F and "亜" = 0x88 0x9F: a second byte can be "_" or look like a lead byte. Half-width
    // katakana (0xB1, 0xDF), 0x80 and 0xFD are characters of one byte; a lead byte before a byte below 0x40
    // stands alone. A pattern of two bytes goes on from the next character.
    const std::tuple<std::string, std::string, std::int32_t> cases[] = {
        {"#", "ab#c", 3},          {"#", "", 0},       {"#", "a#b#", 2},         {"##", "#", 0},
        {"_", "ab\x83\x5F x_", 7}, {"#", "#x", 1},     {"_", "\x83\x5F\x5F", 3}, {"_", "\x88\x9F\x83\x5F_", 5},
        {"#", "\x82\xA0#", 3},     {"#", "x\x80#", 3}, {"#", "x\xFC#", 3},       {"#", "\xB1\x23\x62\x23", 2},
        {"_", "\xB1\xDF_", 3},     {"#", "\xFD#", 2},  {"__", "\x83___", 3},     {"__", "\x83__\x83___", 6}};
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto& [pattern, text, expected] = cases[i];
        EXPECT_EQ(DbcsPos(pattern, text), expected) << "case " << i;
    }
}
