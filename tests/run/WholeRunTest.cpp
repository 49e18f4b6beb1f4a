#include <gtest/gtest.h>

#include "fake/Drill.h"

namespace {

// The two-question example drill: a comment, an instruction line, a sound prefix below the questions.
// clang-format off
const std::vector<std::string> VerbsFile = {
    "Verbs 1", "verb1", "//lesson 1, part A", "/TChoose the word for the blank.",
    "I ___ a student.", "#am#is#are", "1",
    "She ___ to school ___ bus.", "(two answers)", "#goes#by#go#on#in", "1 2",
    "/Vsnd1"};
// clang-format on

TEST(WholeRun, ExampleDrillFromOpenToCongratulation) {
    Drill drill;
    drill.writeFile("verbs.m7", VerbsFile);
    drill.writeFile("verb1jp.txt", {"Verbs", "I am a student.", "She goes to school by bus."});
    drill.platform.files["/opt/qm7w/pinpon.wav"] = drill.platform.files["/opt/qm7w/buzz.wav"] = "RIFF";
    drill.platform.drawChoice(3); // question 1: "am" moves to 3
    drill.open("verbs.m7");
    RunState& run = drill.program.Run;
    TMn1& window = drill.program.Mn1;
    EXPECT_EQ(window.LbMondai.caption(), "Choose the word for the blank.");
    EXPECT_EQ(run.AnswerKey, "3");
    drill.press('1'); // a miss: "is"
    drill.press('3');
    // Question 2 now, the first one stays pending after its miss; draw 0 keeps the order.
    EXPECT_EQ(run.CurrentQuestion, 2);
    EXPECT_EQ(window.LbHead1B.caption(), "0/2");
    drill.click(1);
    drill.press('2');
    EXPECT_EQ(run.CurrentQuestion, 1);
    EXPECT_EQ(window.LbHead1B.caption(), "1/2");
    drill.press(drill.key());
    EXPECT_EQ(drill.platform.messages, std::vector<std::string>{sjis("おめでとう！ すべて終了しました！")});
    std::string record = drill.platform.files[drill.logPath()];
    EXPECT_EQ(record.substr(0, 21), "261206 005058-005058,");
    EXPECT_EQ(record.substr(24), "002004001002verb1\r\n");

    // The end screen: the question area cleared.
    EXPECT_EQ(drill.memo() + window.TT.caption() + window.No.caption() + window.Yaku.caption(), "");
    EXPECT_EQ(window.LbMondai.caption(), sjis("新しい問題ファイルを選択,ないし終了!"));
    EXPECT_EQ(window.LbHead1B.caption() + " " + std::to_string(window.shGauge2.width()), "2/2 428");
    for (int k = 3; k <= 5; ++k)
        EXPECT_FALSE(window.Sel(k).visible() || !window.Label(k).caption().empty()) << k;
}

} // namespace
