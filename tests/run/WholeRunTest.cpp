#include <gtest/gtest.h>

#include "fake/Drill.h"

namespace {

// The two-question example drill: a comment, an instruction line, a sound prefix below the questions.
const std::vector<std::string> VerbsFile = {
    "Verbs 1", "verb1", "//lesson 1, part A", "/TChoose the word for the blank.", "I ___ a student.", "#am#is#are",
    "1", "She ___ to school ___ bus.", "(two answers)", "#goes#by#go#on#in", "1 2", "/Vsnd1"};

TEST(WholeRun, ExampleDrillFromOpenToCongratulation) {
    Drill drill;
    drill.writeFile("verbs.m7", VerbsFile);
    drill.platform.files["/opt/qm7w/pinpon.wav"] = "RIFF";
    drill.platform.files["/opt/qm7w/buzz.wav"] = "RIFF";
    drill.platform.drawChoice(3); // question 1: "am" moves to 3
    drill.open("verbs.m7");
    ASSERT_TRUE(drill.platform.errors.empty());
    RunState& run = drill.program.Run;
    EXPECT_EQ(drill.program.Mn1.FileLines.count(), 7);
    EXPECT_EQ(run.RunTag, "261206 005058#verb1");
    EXPECT_EQ(run.ListenBase, "snd1");
    EXPECT_EQ(run.PictureBase, "verb1");
    EXPECT_EQ(drill.program.Mn1.LbMondai.caption(), "Choose the word for the blank.");
    EXPECT_EQ(drill.program.Mn1.LbHead1B.caption(), "0/2");
    EXPECT_EQ(run.AnswerKey, "3");
    EXPECT_EQ(drill.program.Mn1.Toi.selStart(), 2);
    EXPECT_EQ(drill.program.Mn1.Toi.selLength(), 3);

    drill.press('1'); // a miss: "is"
    EXPECT_EQ(run.MissCount, 1);
    EXPECT_EQ(drill.program.Mn1.kakunin.caption(), "NG");
    drill.press('3');
    // Question 2 now (the first question had a miss, so it stays pending); draw 0 keeps the order.
    EXPECT_EQ(run.CurrentQuestion, 2);
    EXPECT_EQ(drill.program.Mn1.LbHead1B.caption(), "0/2");
    EXPECT_EQ(run.AnswerKey, "1");
    drill.click(1);
    EXPECT_EQ(run.AnswerKey, "2");
    drill.press('2');
    // Back to question 1, asked again.
    EXPECT_EQ(run.CurrentQuestion, 1);
    EXPECT_EQ(drill.program.Mn1.LbHead1B.caption(), "1/2");
    drill.press(drill.key());
    EXPECT_EQ(drill.program.Phase, RunPhase::Finished);
    EXPECT_EQ(drill.program.Mn1.LbHead1B.caption(), "2/2");
    ASSERT_EQ(drill.platform.messages.size(), 1u);
    EXPECT_EQ(drill.platform.messages[0], sjis("おめでとう！ すべて終了しました！"));
    std::string record = drill.platform.files[drill.logPath()];
    EXPECT_EQ(record.substr(0, 21), "261206 005058-005058,");
    EXPECT_EQ(record.substr(24), "002004001002verb1\r\n");
}

} // namespace
