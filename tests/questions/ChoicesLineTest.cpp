#include <gtest/gtest.h>

#include "questions/ChoicesLine.h"

namespace {

using Choices = std::vector<std::string>;

TEST(SplitChoices, SeparatorsAndEmptyChoices) {
    const struct {
        std::string line;
        Choices expected;
    } cases[] = {
        {"#a#b#c", {"a", "b", "c"}},
        {"#a#b#", {"a", "b", ""}}, // a trailing "#" adds an empty last choice
        {"#a", {"", "a"}},         // no separator: the first choice is empty
        {"#", {"", ""}},
        {"##", {"", ""}},
        {"#a##b", {"a", "", "b"}},
        {"#one two# three ", {"one two", " three "}}, // blanks belong to the choices
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitChoices(c.line), c.expected) << c.line;
}

TEST(SplitChoices, OnlyTheLastChoiceIsCut) {
    const std::string long300(300, 'x');
    EXPECT_EQ(SplitChoices("#" + long300 + "#b"), (Choices{long300, "b"}));
    EXPECT_EQ(SplitChoices("#a#" + long300 + "#c"), (Choices{"a", long300, "c"}));
    EXPECT_EQ(SplitChoices("#a#" + long300), (Choices{"a", std::string(254, 'x')}));
    EXPECT_EQ(SplitChoices("#a#" + std::string(254, 'y')), (Choices{"a", std::string(254, 'y')}));
    // Without a separator the one text is the last choice, behind an empty first one.
    EXPECT_EQ(SplitChoices("#" + long300), (Choices{"", std::string(254, 'x')}));
}

TEST(SplitChoices, HalfWidthKatakanaBeforeTheFirstSeparatorMergesChoices) {
    // "ｱ" = 0xB1, "ｲ" = 0xB2: single-byte half-width katakana.
    // The first "#" met is refused after 0xB1, the next one after 0xB2 is taken.
    EXPECT_EQ(SplitChoices("#ab#\xB1#\xB2#c"), (Choices{"ab", "\xB1#\xB2", "c"}));
    EXPECT_EQ(SplitChoices("#\xB1#\xB2"), (Choices{"", "\xB1#\xB2"}));
    // A search that starts again after a separator meets the katakana "#" first once more.
    EXPECT_EQ(SplitChoices("#\xB1#\xB2#\xB3#d"), (Choices{"\xB1#\xB2", "\xB3#d"}));
    // 0x81 0xB1 is one double-byte character: the "#" after it is a separator.
    EXPECT_EQ(SplitChoices("#x\x81\xB1#b"), (Choices{"x\x81\xB1", "b"}));
}

TEST(WidestChoice, CountsOnlyTheChoicesThereAre) {
    const Choices choices{"abc", "", "abcdef", "ab", "a", "", "1234567", "x"};
    EXPECT_EQ(WidestChoice(choices, 1, 6), 6);
    EXPECT_EQ(WidestChoice(choices, 7, 12), 7);
    EXPECT_EQ(WidestChoice(choices, 13, 17), 0);
}

} // namespace
