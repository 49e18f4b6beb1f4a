#include <gtest/gtest.h>

#include "fake/Drill.h"

namespace {

// Listen, Hint, a miss and Skip leave the counters and the progress as they were.
TEST(Presentation, ProgressGrowsOnlyForQuestionsAnsweredWithoutAMiss) {
    Drill drill;
    drill.platform.files["q02.wav"] = "RIFF";
    drill.writeFile("qjp.txt", {"Title", "one", "two"});
    drill.openQuestions(questionBlocks(3));
    const TMn1& window = drill.program.Mn1;
    const RunState& run = drill.program.Run;
    auto progress = [&] {
        return window.LbHead1B.caption() + " " + std::to_string(window.shGauge2.width()) + " " +
               window.kakunin.caption() + " " + std::to_string(run.CorrectCount) + std::to_string(run.MissCount) +
               std::to_string(run.CurrentQuestion);
    };
    drill.answerRight();
    drill.answerWrong();
    drill.listen();
    drill.hint();
    drill.skip();
    EXPECT_EQ(progress(), "1/3 142 -- 113"); // 428 / 3, truncated
    drill.answerRight();
    drill.skip(); // question 2, still pending after its miss
    EXPECT_EQ(progress(), "2/3 285 -- 212");
}

// Question 7 has a picture and a sound; question 10 a sound and a picture that cannot be read.
TEST(Presentation, MediaNamesUseTheTwoDigitNumberAndPicturesShowInTheirOwnSize) {
    Drill drill;
    drill.platform.files["pics/p07.bmp"] = drill.platform.files["pics/p10.bmp"] = "BM";
    drill.platform.pictures["pics/p07.bmp"] = {64, 48};
    drill.platform.unreadable.insert("pics/p10.bmp");
    drill.platform.files["snd/s07.wav"] = drill.platform.files["snd/s10.wav"] = "RIFF";
    std::vector<std::string> body = questionBlocks(10);
    body.insert(body.begin(), {"/Gpics/p", "/Vsnd/s"});
    drill.openQuestions(body);
    const Control& picture = drill.program.Mn1.GF1;
    for (int n = 1; n <= 10; ++n) {
        EXPECT_EQ(drill.program.Mn1.No.caption(), std::to_string(n));
        EXPECT_EQ(drill.program.Mn1.SpdBtn6.visible(), n == 7 || n == 10) << n;
        EXPECT_EQ(picture.picture(), n == 7 ? "pics/p07.bmp" : "") << n;
        std::vector<int> shown = {picture.visible(), picture.autoSize(), picture.left(), picture.top(),
                                  picture.height()};
        EXPECT_EQ(shown, (n == 7 ? std::vector<int>{1, 1, 512, 220, 48} : std::vector<int>{0, 0, 512, 350, 15})) << n;
        drill.answerRight();
    }
    EXPECT_TRUE(drill.platform.errors.empty());
}

// The misses come first, then every answer is right and takes `ms`, until the run ends.
TEST(EndOfRun, CorrectAnswerRateAndSpeed) {
    // Question file, misses, ms an answer takes, rate, speed (empty: not checked).
    using Case = std::tuple<std::vector<std::string>, int, std::uint32_t, std::string, std::string>;
    const std::vector<Case> cases = {
        {questionBlocks(2), 1, 5000, "75.00", ""}, // question 1 comes back
        {questionBlocks(1), 2, 5000, "33.33", ""},
        {{"___ ___", "#a#b", "1 2"}, 1, 5000, "66.67", ""},
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
