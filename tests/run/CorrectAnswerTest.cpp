#include <gtest/gtest.h>

#include "fake/RunFixtures.h"

namespace {

TEST(CorrectAnswer, ThreeBlanksCompleteTheQuestionOnlyAtTheThird) {
    RunDrill drill;
    drill.effectSounds();
    drill.translation({"Drill", "first translation", "second translation"});
    drill.openQuestions({{{"___, ___ and ___."}, "#a#b#c", "1 2 3"}, simpleQuestion(2)}, {"/R"});
    TMn1& window = drill.program.Mn1;

    const std::vector<int> nextBlank = {3, 9};
    for (int blank = 0; blank < 2; ++blank) {
        SCOPED_TRACE(blank);
        drill.answerRight();
        EXPECT_EQ(window.kakunin.caption(), "OK");
        EXPECT_EQ(window.kakunin.color(), colors::green);
        EXPECT_EQ(drill.program.Run.CorrectCount, blank + 1);
        EXPECT_EQ(drill.program.Run.CurrentQuestion, 1);
        EXPECT_EQ(window.Toi.selStart(), nextBlank[static_cast<std::size_t>(blank)]);
        EXPECT_EQ(window.Toi.selLength(), 3);
        EXPECT_EQ(window.Yaku.caption(), "");
        EXPECT_TRUE(drill.platform.waits.empty());
        EXPECT_TRUE(drill.platform.player.log.empty());
    }

    std::string shownTranslation;
    drill.duringWait([&] { shownTranslation = window.Yaku.caption(); });
    drill.answerRight();
    EXPECT_EQ(shownTranslation, "first translation");
    EXPECT_EQ(drill.platform.waits, (std::vector<std::uint32_t>{100, 800}));
    EXPECT_EQ(drill.platform.player.log,
              (std::vector<std::string>{"open " + PinponPath, "play-wait " + PinponPath, "close"}));
    EXPECT_EQ(drill.program.Run.CorrectCount, 3);
    EXPECT_EQ(drill.program.Run.CurrentQuestion, 2);
    EXPECT_EQ(window.LbHead1B.caption(), "1/2");
}

// Only the first 30000 ms of an answer count as working time; every blank is timed from the
// presentation of its question.
TEST(CorrectAnswer, AnswerTimeAboveThirtySecondsIsNotCounted) {
    RunDrill drill;
    drill.openQuestions({simpleQuestion(1),
                         simpleQuestion(2),
                         simpleQuestion(3),
                         {{"___ ___"}, "#a#b", "1 2"},
                         {{"___ ___"}, "#a#b", "1 2"},
                         simpleQuestion(6),
                         simpleQuestion(7)},
                        {"/R"});
    RunState& run = drill.program.Run;
    struct Step {
        std::uint32_t after; // ms since the previous answer, or since the presentation
        std::int32_t overrun;
    };
    const std::vector<Step> steps = {
        {45000, 15000}, // question 1
        {30000, 15000}, // question 2: exactly 30000 adds nothing
        {30001, 15001}, // question 3
        {20000, 15001}, // question 4, first blank
        {20000, 25001}, // question 4, second blank: 40000 ms after the presentation
        {35000, 30001}, // question 5, first blank
        {5000, 40001},  // question 5, second blank: both blanks count their excess
        {29999, 40001}, // question 6
    };
    for (std::size_t i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE(i);
        drill.platform.tick += steps[i].after;
        drill.answerRight();
        EXPECT_EQ(run.TimeOverrun, steps[i].overrun);
    }
    EXPECT_EQ(run.CurrentQuestion, 7);
    EXPECT_EQ(run.QuestionStartTick, drill.platform.tick);
}

// Answers weeks apart: the excess adds up to more than 32 bits hold and stays at the largest value.
TEST(CorrectAnswer, AnswerTimeExcessStopsAtItsLargestValue) {
    RunDrill drill;
    drill.openQuestions(simpleQuestions(3), {"/R"});
    for (int i = 0; i < 2; ++i) {
        drill.platform.tick += 0x7FFF0000u;
        drill.answerRight();
    }
    EXPECT_EQ(drill.program.Run.TimeOverrun, INT32_MAX);
}

} // namespace
