#include <gtest/gtest.h>

#include "fake/RunFixtures.h"

namespace {

// A run of `correct` one-blank questions with `misses` on the last one (which ends the run all the
// same), taking a few seconds.
void finishRun(RunDrill& drill, int correct, int misses) {
    drill.openQuestions(simpleQuestions(correct), {"/R"});
    drill.platform.tick += 5000;
    for (int question = 1; question <= correct; ++question) {
        for (int miss = 0; question == correct && miss < misses; ++miss)
            drill.press(vk::Digit0);
        drill.answerRight();
    }
    ASSERT_EQ(drill.program.Phase, RunPhase::Finished);
}

TEST(EndOfRun, CorrectAnswerRate) {
    struct Case {
        int correct;
        int misses;
        std::string rate;
    };
    const std::vector<Case> cases = {
        {3, 1, "75.00"}, {1, 2, "33.33"}, {2, 1, "66.67"}, {1, 31, "3.13"}, {4, 0, "100.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rate);
        RunDrill drill;
        finishRun(drill, c.correct, c.misses);
        EXPECT_EQ(drill.program.Run.CorrectCount, c.correct);
        EXPECT_EQ(drill.program.Run.MissCount, c.misses);
        EXPECT_EQ(drill.label(1), rateCaption(c.rate));
    }
}

TEST(EndOfRun, TenCorrectAnswersInFourMinutes) {
    RunDrill drill;
    drill.openQuestions(simpleQuestions(10), {"/R"});
    // Each question: 23200 ms to answer, then the 800 ms pause; 240 s in all, none of it over 30 s.
    for (int question = 0; question < 10; ++question) {
        drill.platform.tick += 23200;
        drill.answerRight();
    }
    EXPECT_EQ(drill.program.Run.ElapsedSeconds, 240);
    EXPECT_EQ(drill.label(1), rateCaption("100.00"));
    EXPECT_EQ(drill.label(2), speedCaption("2.50"));
}

TEST(EndOfRun, ZeroSecondsShowZeroFigures) {
    RunDrill drill;
    drill.openQuestions(simpleQuestions(1));
    drill.answerRight(); // only the 800 ms pause has passed
    // The record still holds what the run did.
    EXPECT_EQ(drill.platform.files[drill.logPath()].substr(21), "000001001000001q\r\n");
    EXPECT_EQ(drill.program.Run.ElapsedSeconds, 1);
    EXPECT_EQ(drill.program.Run.CorrectCount, 0);
    EXPECT_EQ(drill.program.Run.MissCount, 1);
    EXPECT_EQ(drill.label(1), rateCaption("0.00"));
    EXPECT_EQ(drill.label(2), speedCaption("0.00"));
}

// Three slow blanks of one question each count their excess from the same presentation, so the
// counted time comes out below zero.
TEST(EndOfRun, NegativeWorkingTimeShowsNoSpeed) {
    RunDrill drill;
    drill.openQuestions({{{"___ ___ ___"}, "#a#b#c", "1 2 3"}}, {"/R"});
    drill.platform.tick += 100000;
    for (int blank = 0; blank < 3; ++blank)
        drill.answerRight();
    EXPECT_EQ(drill.program.Run.TimeOverrun, 210000);
    EXPECT_EQ(drill.program.Run.ElapsedSeconds, -109); // -109200 ms, truncated towards zero
    EXPECT_EQ(drill.label(1), rateCaption("100.00"));
    EXPECT_EQ(drill.label(2), speedCaption("0.00"));
}

TEST(EndOfRun, EndScreenClearsTheQuestionArea) {
    RunDrill drill;
    drill.translation({"Drill", "one", "two"});
    drill.openQuestions({{{"___"}, numberedChoices(9), "1"}, {{"___"}, numberedChoices(9), "1"}}, {"/TPick one."});
    drill.platform.tick += 5000;
    drill.answerRight();
    drill.answerRight();
    TMn1& window = drill.program.Mn1;

    EXPECT_EQ(drill.memo(), "");
    EXPECT_EQ(window.TT.caption(), "");
    EXPECT_EQ(window.No.caption(), "");
    EXPECT_EQ(window.Yaku.caption(), "");
    EXPECT_EQ(window.LbMondai.caption(), sjis("新しい問題ファイルを選択,ないし終了!"));
    EXPECT_EQ(window.shGauge2.width(), 428);
    EXPECT_EQ(window.LbHead1B.caption(), "2/2");
    EXPECT_TRUE(window.Sel(1).visible());
    EXPECT_TRUE(window.Sel(2).visible());
    for (int k = 3; k <= 17; ++k) {
        EXPECT_FALSE(window.Sel(k).visible()) << k;
        EXPECT_EQ(drill.label(k), "") << k;
    }
    EXPECT_EQ(drill.pending(1), 0);
    EXPECT_EQ(drill.pending(2), 0);
    EXPECT_EQ(drill.platform.messages, std::vector<std::string>{sjis("おめでとう！ すべて終了しました！")});
    EXPECT_TRUE(drill.platform.errors.empty());
}

} // namespace
