#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "questions/ChoicesLine.h"
#include "questions/DbcsPos.h"

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

TEST(DbcsPos, FindsOnlyOccurrencesThatDoNotStartOnASecondByte) {
    // "ミ" = 0x83 0x5F ends in "_"; 0x80 is no lead byte, 0xFC is one. The first test also refuses a match after
    // half-width katakana (0xB1) or 0xFD to 0xFF, the later ones take those bytes for what they are.
    // A pattern of two bytes goes on from the byte after the refused start.
    const std::tuple<std::string, std::string, std::int32_t> cases[] = {
        {"#", "ab#c", 3},          {"#", "", 0},           {"#", "a#b#", 2},          {"##", "#", 0},
        {"_", "ab\x83\x5F x_", 7}, {"#", "#x", 1},         {"_", "\x83\x5F\x5F", 3},  {"_", "\x83\x5F", 0},
        {"#", "\x82\xA0#", 3},     {"#", "x\x80#", 3},     {"#", "x\xFC#", 0},        {"#", "\xB1\x23\x62\x23", 4},
        {"#", "\xB1#", 0},         {"#", "\xFD#\xFD#", 4}, {"#", "\xB1#\x81#", 0},    {"#", "\xB1#\x81\x81#", 5},
        {"#", "\xB1##", 3},        {"__", "\x83___", 3},   {"__", "\x83__\x83___", 6}};
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto& [pattern, text, expected] = cases[i];
        EXPECT_EQ(DbcsPos(pattern, text), expected) << "case " << i;
    }
}
