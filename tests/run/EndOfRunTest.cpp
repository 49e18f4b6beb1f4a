#include <gtest/gtest.h>

#include "fake/RunFixtures.h"

namespace {

// The misses come first, then every answer is right and takes `ms`, until the run ends.
TEST(EndOfRun, CorrectAnswerRateAndSpeed) {
    struct Case {
        std::vector<std::string> body;
        int misses;
        std::uint32_t ms;
        std::string rate;
        std::string speed; // empty: not checked
    };
    const std::vector<Case> cases = {
        {questionBlocks(2), 1, 5000, "75.00", ""}, // question 1 comes back
        {questionBlocks(1), 2, 5000, "33.33", ""},
        {{"___ ___", "#a#b", "1 2"}, 1, 5000, "66.67", ""},
        {questionBlocks(1), 31, 5000, "3.13", ""},
        {questionBlocks(10), 0, 23200, "100.00", "2.50"}, // 10 * (23200 + 800) ms = 4 minutes
        {questionBlocks(1), 0, 0, "0.00", "0.00"},        // only the 800 ms pause: 0 seconds
        // Blanks of one question all count their excess from the same presentation: below zero seconds.
        {{"___ ___ ___", "#a#b#c", "1 2 3"}, 0, 100000, "100.00", "0.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rate);
        RunDrill drill;
        drill.openQuestions(c.body);
        for (int miss = 0; miss < c.misses; ++miss)
            drill.press(vk::Digit0);
        while (drill.program.Phase == RunPhase::Asking) {
            drill.platform.tick += c.ms;
            drill.answerRight();
        }
        EXPECT_EQ(drill.label(1), sjis("　　正解率:  ") + c.rate + " %");
        if (!c.speed.empty()) {
            EXPECT_EQ(drill.label(2), sjis("　　回答速度:") + c.speed + sjis(" 問/分"));
        }
    }
}

} // namespace
