#include <gtest/gtest.h>

#include "fake/Drill.h"

namespace {

// The misses come first, then every answer is right and takes `ms`, until the run ends.
TEST(EndOfRun, CorrectAnswerRateAndSpeed) {
    // Question file, misses, ms an answer takes, rate, speed (empty: not checked).
    using Case = std::tuple<std::vector<std::string>, int, std::uint32_t, std::string, std::string>;
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
    for (const auto& [body, misses, ms, rate, speed] : cases) {
        SCOPED_TRACE(rate);
        Drill drill;
        drill.openQuestions(body);
        for (int miss = 0; miss < misses; ++miss)
            drill.press(vk::Digit0);
        while (drill.program.Phase == RunPhase::Asking) {
            drill.platform.tick += ms;
            drill.answerRight();
        }
        EXPECT_EQ(drill.label(1), sjis("　　正解率:  ") + rate + " %");
        if (!speed.empty()) {
            EXPECT_EQ(drill.label(2), sjis("　　回答速度:") + speed + sjis(" 問/分"));
        }
    }
}

} // namespace
