#include <gtest/gtest.h>

#include "fake/Drill.h"

namespace {

using namespace std::literals;

// Listen, Hint, a miss and Skip leave the counters and the progress as they were.
TEST(Presentation, ProgressGrowsOnlyForQuestionsAnsweredWithoutAMiss) {
    Drill drill;
    drill.platform.files["q02.wav"] = "RIFF";
    drill.writeFile("qjp.txt", {"Title", "one", "two"});
    drill.openQuestions(questionBlocks(3));
    const TMn1& window = drill.program.Mn1;
    const RunState& run = drill.program.Run;
    // Progress caption, gauge width, answer mark; correct answers, misses, the question asked.
    auto progress = [&] {
        return std::make_tuple(window.LbHead1B.caption(), window.shGauge2.width(), window.kakunin.caption(),
                               run.CorrectCount, run.MissCount, run.CurrentQuestion);
    };
    drill.answerRight();
    drill.answerWrong();
    drill.listen();
    drill.hint();
    drill.skip();
    EXPECT_EQ(progress(), std::make_tuple("1/3"s, 142, "--"s, 1, 1, 3)); // 428 / 3, truncated
    drill.answerRight();
    drill.skip(); // question 2, still pending after its miss
    EXPECT_EQ(progress(), std::make_tuple("2/3"s, 285, "--"s, 2, 1, 2));
}

// Questions 7 and 10 have a picture and a sound; question 3 a picture that cannot be read.
TEST(Presentation, MediaNamesUseTheTwoDigitNumberAndPicturesShowInTheirOwnSize) {
    Drill drill;
    FakePlatform& platform = drill.platform;
    for (const char* name : {"pics/p03.bmp", "pics/p07.bmp", "pics/p10.bmp"})
        platform.files[name] = "BM";
    platform.pictures = {{"pics/p03.bmp", {8, 8}}, {"pics/p07.bmp", {64, 48}}, {"pics/p10.bmp", {32, 30}}};
    platform.unreadable.insert("pics/p03.bmp");
    platform.files["snd/s07.wav"] = platform.files["snd/s10.wav"] = "RIFF";
    std::vector<std::string> body = questionBlocks(10);
    body.insert(body.begin(), {"/Gpics/p", "/Vsnd/s"});
    drill.openQuestions(body);
    const Control& picture = drill.program.Mn1.GF1;
    for (int n = 1; n <= 10; ++n) {
        SCOPED_TRACE(n);
        const bool media = n == 7 || n == 10;
        EXPECT_EQ(drill.program.Mn1.No.caption(), std::to_string(n));
        EXPECT_EQ(drill.program.Mn1.SpdBtn6.visible(), media);
        EXPECT_EQ(picture.picture(), n == 7 ? "pics/p07.bmp" : n == 10 ? "pics/p10.bmp" : "");
        EXPECT_EQ(
            std::make_tuple(picture.visible(), picture.autoSize(), picture.left(), picture.top(), picture.height()),
            std::make_tuple(media, media, 512, media ? 220 : 350,
                            n == 7    ? 48
                            : n == 10 ? 30
                                      : 15));
        drill.answerRight();
    }
    EXPECT_TRUE(platform.errors.empty());
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
