#include <gtest/gtest.h>

#include "fake/RunFixtures.h"

namespace {

using Log = std::vector<std::string>;

TEST(Listen, PlaysTheQuestionSoundEvenWithSoundOff) {
    RunDrill drill;
    drill.platform.files["q01.wav"] = "RIFF";
    drill.openQuestions(simpleQuestions(2));
    ASSERT_TRUE(drill.program.Mn1.SpdBtn6.visible());
    drill.soundSwitch();
    std::uint32_t questionStart = drill.program.Run.QuestionStartTick;
    drill.listen();
    EXPECT_EQ(drill.platform.player.log, (Log{"open q01.wav", "play-wait q01.wav", "close"}));
    // Listening is answering time: the question's clock runs on.
    EXPECT_EQ(drill.program.Run.QuestionStartTick, questionStart);
    EXPECT_EQ(drill.platform.tick - questionStart, 1200u);
}

TEST(Listen, SoundThatCannotBeOpenedIsReportedAndNothingStaysOpen) {
    RunDrill drill;
    drill.effectSounds();
    drill.platform.files["q01.wav"] = "RIFF";
    drill.platform.player.unplayable.insert("q01.wav");
    drill.openQuestions(simpleQuestions(2));
    drill.answerWrong(); // the buzz is still open
    drill.listen();
    EXPECT_EQ(drill.platform.errors, Log{"cannot open q01.wav."});
    EXPECT_FALSE(drill.platform.player.isOpen);
    EXPECT_EQ(drill.program.Run.CurrentQuestion, 1);
}

TEST(ListenHintSkip, LeaveTheCountersAndTheProgressAlone) {
    RunDrill drill;
    drill.platform.files["q02.wav"] = "RIFF";
    drill.translation({"Drill", "one", "two", "three"});
    drill.openQuestions(simpleQuestions(3));
    drill.answerRight();
    drill.answerWrong();
    RunState& run = drill.program.Run;
    TMn1& window = drill.program.Mn1;
    ASSERT_EQ(run.CurrentQuestion, 2);

    drill.listen();
    drill.hint();
    EXPECT_EQ(window.kakunin.caption(), "NG");
    EXPECT_EQ(run.FirstAttempt, 0);
    drill.skip();
    EXPECT_EQ(run.CurrentQuestion, 3);
    EXPECT_EQ(run.CorrectCount, 1);
    EXPECT_EQ(run.MissCount, 1);
    EXPECT_EQ(window.LbHead1B.caption(), "1/3");
    EXPECT_EQ(window.shGauge2.width(), 142);
    EXPECT_EQ(drill.pending(2), 2);
}

TEST(Hint, ShowsTheQuestionsTranslationLineAndIsNoMiss) {
    RunDrill drill;
    drill.translation({"Drill", "one", "two"});
    drill.openQuestions(simpleQuestions(3));
    ASSERT_TRUE(drill.program.Mn1.SpdBtn7.visible());
    drill.hint();
    EXPECT_EQ(drill.program.Mn1.Yaku.caption(), "one");
    drill.hint();
    EXPECT_EQ(drill.program.Mn1.Yaku.caption(), "one");
    EXPECT_EQ(drill.platform.waits, (std::vector<std::uint32_t>{300, 300}));

    drill.answerRight(); // still at the first attempt: question 1 leaves the rotation
    EXPECT_EQ(drill.pending(1), 0);
    EXPECT_EQ(drill.program.Mn1.LbHead1B.caption(), "1/3");
    EXPECT_EQ(drill.program.Mn1.Yaku.caption(), "");

    drill.answerRight();
    // Question 3 has no line in the short translation file: an empty line, no error.
    drill.hint();
    EXPECT_EQ(drill.program.Mn1.Yaku.caption(), "");
    EXPECT_TRUE(drill.platform.errors.empty());
}

TEST(Hint, WithoutTranslationFileDoesNothing) {
    RunDrill drill;
    drill.openQuestions(simpleQuestions(2));
    EXPECT_FALSE(drill.program.Mn1.SpdBtn7.visible());
    drill.hint();
    EXPECT_TRUE(drill.platform.waits.empty());
    EXPECT_EQ(drill.program.Mn1.Yaku.caption(), "");
}

TEST(Skip, OnlyPendingQuestionIsPresentedAgainWithAFreshDraw) {
    RunDrill drill;
    drill.openQuestions({simpleQuestion(1), {{"Q2 ___."}, "#a#b#c#d", "2"}});
    drill.answerRight();
    ASSERT_EQ(drill.program.Run.CurrentQuestion, 2);
    drill.click(3); // a miss, to see the question put back as new
    drill.platform.drawChoice(4);
    drill.skip();

    RunState& run = drill.program.Run;
    EXPECT_EQ(run.CurrentQuestion, 2);
    EXPECT_EQ(drill.platform.randomRanges.size(), 3u);
    EXPECT_EQ(run.AnswerKey, "4");
    EXPECT_EQ(drill.label(4), "b");
    EXPECT_EQ(drill.memo(), "Q2 ___.\r\n");
    EXPECT_EQ(drill.program.Mn1.Toi.selLength(), 3);
    EXPECT_EQ(drill.program.Mn1.kakunin.caption(), "--");
    EXPECT_EQ(drill.program.Mn1.LbHead1B.caption(), "1/2");

    drill.answerRight();
    EXPECT_EQ(drill.program.Phase, RunPhase::Finished);
}

TEST(Skip, AfterTheFirstBlankTheQuestionComesBackFromItsFirstBlank) {
    RunDrill drill;
    drill.openQuestions({{{"___ and ___"}, "#a#b#c", "1 2"}, simpleQuestion(2)}, {"/R"});
    drill.answerRight();
    ASSERT_EQ(drill.memo(), "a and ___\r\n");
    drill.skip();
    EXPECT_EQ(drill.program.Run.CurrentQuestion, 2);
    drill.answerRight();

    RunState& run = drill.program.Run;
    EXPECT_EQ(run.CurrentQuestion, 1);
    EXPECT_EQ(drill.memo(), "___ and ___\r\n");
    EXPECT_EQ(drill.program.Mn1.Toi.selStart(), 0);
    EXPECT_EQ(run.AnswerKey, "1");
    EXPECT_EQ(run.AnswerLine, "2");
    EXPECT_EQ(run.CorrectCount, 2);
    EXPECT_EQ(drill.program.Mn1.LbHead1B.caption(), "1/2");

    drill.answerRight();
    drill.answerRight();
    EXPECT_EQ(drill.program.Phase, RunPhase::Finished);
    EXPECT_EQ(run.CorrectCount, 4);
}

TEST(Skip, AfterAMissTheQuestionStaysPending) {
    RunDrill drill;
    drill.openQuestions(simpleQuestions(3));
    drill.answerWrong();
    drill.skip();
    EXPECT_EQ(drill.pending(1), 1);
    drill.answerRight();
    drill.answerRight();
    // Back to question 1, which now leaves the rotation when answered without a miss.
    EXPECT_EQ(drill.program.Run.CurrentQuestion, 1);
    EXPECT_EQ(drill.program.Mn1.LbHead1B.caption(), "2/3");
    drill.answerRight();
    EXPECT_EQ(drill.program.Phase, RunPhase::Finished);
    EXPECT_EQ(drill.program.Run.MissCount, 1);
}

TEST(ListenHintSkip, DoNothingBeforeOpenAndAfterTheEnd) {
    RunDrill drill;
    drill.platform.files["00.wav"] = "RIFF"; // the name Listen would form before any Open
    drill.platform.files["q01.wav"] = "RIFF";
    drill.translation({"Drill", "one"});
    auto allThree = [&] {
        drill.listen();
        drill.hint();
        drill.skip();
    };
    allThree();
    EXPECT_EQ(drill.program.Run.CurrentQuestion, 0);
    EXPECT_EQ(drill.memo(), "");
    EXPECT_TRUE(drill.platform.randomRanges.empty());
    EXPECT_TRUE(drill.platform.player.log.empty());
    EXPECT_TRUE(drill.platform.waits.empty());

    drill.openQuestions(simpleQuestions(1));
    drill.platform.tick += 5000;
    drill.answerRight();
    ASSERT_EQ(drill.program.Phase, RunPhase::Finished);
    Log played = drill.platform.player.log;
    std::size_t waits = drill.platform.waits.size();
    allThree();
    EXPECT_EQ(drill.memo(), "");
    EXPECT_EQ(drill.program.Mn1.Yaku.caption(), "");
    EXPECT_EQ(drill.label(1), rateCaption("100.00"));
    EXPECT_EQ(drill.platform.randomRanges.size(), 1u);
    EXPECT_EQ(drill.platform.player.log, played);
    EXPECT_EQ(drill.platform.waits.size(), waits);
    EXPECT_TRUE(drill.platform.errors.empty());
}

} // namespace
