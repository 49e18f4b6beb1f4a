#include <gtest/gtest.h>

#include "fake/Drill.h"

namespace {

using namespace std::literals;

// Listen plays with the sound off, and the question's clock runs on. Line 1 of the translation file
// belongs to no question; a short file leaves later questions an empty line. In the waits of a
// completed question Hint works and Listen does not.
TEST(ListenHint, ListenPlaysAndHintShowsTheTranslationLineWithoutAMiss) {
    Drill drill;
    drill.writeFile("qjp.txt", {"Title", "one"});
    drill.platform.files["q01.wav"] = "RIFF";
    drill.openQuestions(questionBlocks(2));
    drill.command(SpdBtn5Click);
    const std::uint32_t questionStart = drill.program.Run.QuestionStartTick;
    drill.listen();
    Control& translation = drill.program.Mn1.Yaku;
    drill.hint();
    drill.hint();
    EXPECT_EQ(std::tie(drill.program.Run.QuestionStartTick, translation.caption()), std::tie(questionStart, "one"));
    std::string hinted;
    drill.duringWait([&] { drill.listen(); }); // in the translation pause
    drill.duringWait([&] {                     // in the 800 ms pause
        drill.hint();
        hinted = translation.caption();
    });
    drill.answerRight();
    EXPECT_EQ(hinted, "one");
    EXPECT_EQ(drill.platform.waits, (std::vector<std::uint32_t>{300, 300, 100, 800, 300}));
    EXPECT_EQ(drill.platform.player.log,
              (std::vector<std::string>{"open q01.wav", "play-wait q01.wav", "close", "open q01.wav", "close"}));
    EXPECT_EQ(drill.pending(1), 0);
    drill.hint();
    EXPECT_EQ(translation.caption(), "");
}

// Question 1 comes back from its first blank, the earlier answer counted; alone, it comes back with a
// fresh draw.
TEST(Skip, BringsAQuestionBackFromItsFirstBlank) {
    Drill drill;
    drill.openQuestions({"___ and ___", "#a#b#c", "1 2", "Q2 ___", "#a#b", "1"});
    RunState& run = drill.program.Run;
    drill.answerRight();
    drill.skip();
    drill.answerRight();
    ASSERT_EQ(run.CurrentQuestion, 1);
    EXPECT_EQ(std::make_tuple(drill.memo(), run.AnswerKey, run.AnswerLine, run.CorrectCount),
              std::make_tuple("___ and ___\r\n"s, "1"s, "2"s, 2));
    drill.platform.drawChoice(3);
    drill.skip();
    EXPECT_EQ(std::make_tuple(run.AnswerKey, run.AnswerLine, drill.label(1), drill.label(3)),
              std::make_tuple("3"s, "2"s, "c"s, "a"s));
    EXPECT_EQ(drill.program.Mn1.LbHead1B.caption(), "1/2");
    drill.answerRight();
    drill.answerRight();
    EXPECT_EQ(drill.program.Phase, RunPhase::Finished);
}

} // namespace
