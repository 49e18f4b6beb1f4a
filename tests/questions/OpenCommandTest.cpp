#include <gtest/gtest.h>

#include <tuple>

#include "fake/Drill.h"
#include "fake/QuestionFiles.h"

namespace {

// The two-question example drill.
const std::vector<std::string> VerbsFile = {"Verbs 1",
                                            "verb1",
                                            "//lesson 1, part A",
                                            "/TChoose the word for the blank.",
                                            "I ___ a student.",
                                            "#am#is#are",
                                            "1",
                                            "She ___ to school ___ bus.",
                                            "(two answers)",
                                            "#goes#by#go#on#in",
                                            "1 2",
                                            "/Vsnd1"};

// One record: 600 s, 23 correct, 3 wrong.
const std::string OneRecordLog = "261206 005058-010203,600020023003020abc\r\n";

const std::string OpenFilter = sjis("QM7,ﾃｷｽﾄ形式|*.m7;*.txt|ﾃｷｽﾄ形式|*.txt|QM7|*.m7|すべて(*.*)|*.*");

TEST(OpenCommand, ExampleDrillOpensReadyForQuestion1) {
    Drill drill;
    drill.writeFile("verbs.m7", VerbsFile);
    drill.writeFile("verb1jp.txt", {"訳", "私は学生です。", "彼女はバスで通学する。"});
    drill.platform.tick = 5000;
    drill.open("verbs.m7");
    ASSERT_TRUE(drill.platform.messages.empty());
    ASSERT_TRUE(drill.platform.errors.empty());
    const RunState& run = drill.program.Run;
    TMn1& window = drill.program.Mn1;

    EXPECT_EQ(window.FileLines.lines(),
              (std::vector<std::string>{"I ___ a student.", "#am#is#are", "1", "She ___ to school ___ bus.",
                                        "(two answers)", "#goes#by#go#on#in", "1 2"}));
    EXPECT_EQ((std::vector<int>(run.Table.pendingRow.begin(), run.Table.pendingRow.begin() + 4)),
              (std::vector<int>{1, 2, 0, 0}));
    EXPECT_EQ((std::vector<int>(run.Table.startRow.begin(), run.Table.startRow.begin() + 4)),
              (std::vector<int>{0, 3, 0, 0}));
    EXPECT_EQ(run.RunTag, "261206 005058#verb1");
    EXPECT_EQ(run.PictureBase, "verb1");
    EXPECT_EQ(run.ListenBase, "snd1");
    EXPECT_EQ(window.TT.caption(), "Verbs 1");
    EXPECT_EQ(window.LbMondai.caption(), "Choose the word for the blank.");
    EXPECT_EQ(run.TranslationLoaded, 1);
    EXPECT_TRUE(window.SpdBtn7.visible());
    EXPECT_EQ(window.TranslationLines.get(2), sjis("彼女はバスで通学する。"));

    // The run values, and question 1 on screen.
    EXPECT_EQ(drill.program.Phase, RunPhase::Asking);
    EXPECT_EQ(run.RunStartTick, 5000u);
    EXPECT_EQ(run.QuestionStartTick, 5000u);
    EXPECT_EQ(run.PreviousQuestion, 3);
    EXPECT_EQ(run.QuestionTotal, 2);
    EXPECT_EQ(run.CurrentQuestion, 1);
    EXPECT_EQ(run.MasteredCount, 0);
    EXPECT_EQ(run.CorrectCount, 0);
    EXPECT_EQ(run.MissCount, 0);
    EXPECT_EQ(run.TimeOverrun, 0);
    EXPECT_EQ(run.FirstAttempt, 1);
    EXPECT_EQ(run.SoundOn, 1);
    EXPECT_EQ(run.KeepOrder, 0);
    EXPECT_EQ(window.LbHead1B.caption(), "0/2");
    EXPECT_EQ(drill.memo(), "I ___ a student.\r\n");
    EXPECT_EQ(run.ChoiceCount, 3);
}

TEST(OpenCommand, StampIsTheLocalTimeOfTheOpen) {
    Drill drill;
    drill.writeFile("q.m7", questionFile("base", questionBlocks(1)));
    drill.platform.now = {2009, 1, 2, 23, 4, 5};
    drill.open("q.m7");
    EXPECT_EQ(drill.program.Run.RunTag, "090102 230405#base");
}

TEST(OpenCommand, CancelDoesNothingAtAll) {
    Drill drill;
    drill.writeFile("verbs.m7", VerbsFile);
    drill.open("verbs.m7");
    drill.platform.files[drill.logPath()] = OneRecordLog;
    const std::string memo = drill.memo();

    drill.platform.dialogAnswers.push_back(std::nullopt);
    RunHandler(drill.program, [&] { SpdBtn1Click(drill.program); });
    EXPECT_EQ(drill.platform.dialogFilters, (std::vector<std::string>{OpenFilter, OpenFilter}));
    // The totals still show the empty log of the first Open.
    EXPECT_EQ(drill.program.Mn1.LbSkip.caption(), "  0:00");
    EXPECT_EQ(drill.program.Mn1.LbHead3B.caption(), "  0.00");
    EXPECT_EQ(drill.program.Mn1.FileLines.count(), 7);
    EXPECT_EQ(drill.memo(), memo);
    EXPECT_EQ(drill.program.Phase, RunPhase::Asking);
    EXPECT_TRUE(drill.platform.messages.empty());
    EXPECT_TRUE(drill.platform.errors.empty());
}

TEST(OpenCommand, OpenWhileARunIsGoingStartsAfresh) {
    Drill drill;
    drill.writeFile("first.m7", questionFile("one", {"/R", "/Tfirst", "/Sx", "/Gpics", "Q1 ___", "#a#b", "1", "Q2 ___",
                                                     "#a#b", "2"}));
    drill.writeFile("onejp.txt", {"head", "t1", "t2"});
    drill.writeFile("second.m7", questionFile("two", questionBlocks(3)));
    drill.open("first.m7");
    drill.platform.tick += 40000; // a slow answer counts an overrun
    drill.press('2');
    drill.press('1');
    RunHandler(drill.program, [&] { SpdBtn5Click(drill.program); }); // sound off
    RunState& run = drill.program.Run;
    ASSERT_EQ(run.CurrentQuestion, 2);
    ASSERT_GT(run.TimeOverrun, 0);
    ASSERT_EQ(run.SoundOn, 0);

    drill.platform.tick += 1234;
    const std::uint32_t openTick = drill.platform.tick;
    drill.open("second.m7");
    EXPECT_EQ(run.RunStartTick, openTick);
    EXPECT_EQ(run.PreviousQuestion, 4);
    EXPECT_EQ(run.TimeOverrun, 0);
    EXPECT_EQ(run.QuestionTotal, 3);
    EXPECT_EQ(run.CurrentQuestion, 1);
    EXPECT_EQ(run.CorrectCount, 0);
    EXPECT_EQ(run.MissCount, 0);
    EXPECT_EQ(run.FirstAttempt, 1);
    EXPECT_EQ(run.SoundOn, 1);
    EXPECT_EQ(run.MasteredCount, 0);
    EXPECT_EQ(drill.program.Mn1.LbHead1B.caption(), "0/3");
    EXPECT_EQ(drill.memo(), "Q1 ___\r\n");
    // The first file's directives are gone with it.
    EXPECT_EQ(run.KeepOrder, 0);
    EXPECT_EQ(run.PictureBase, "two");
    EXPECT_EQ(drill.program.Mn1.LbMondai.caption(), sjis("適切なものを選択せよ"));
    EXPECT_EQ(drill.program.Mn1.LbSkip.caption(), "  0:00");
    EXPECT_EQ(run.TranslationLoaded, 0);
    EXPECT_FALSE(drill.program.Mn1.SpdBtn7.visible());
}

// Everything of a run in progress that an Open could touch, apart from the totals.
auto runInProgress(const Drill& drill) {
    const RunState& run = drill.program.Run;
    const TMn1& window = drill.program.Mn1;
    return std::make_tuple(
        std::vector<std::string>{run.AnswerKey, run.AnswerLine, run.RunTag, run.PictureBase, run.ListenBase},
        std::vector<std::int64_t>{run.CurrentQuestion, run.QuestionTotal, run.MasteredCount, run.CorrectCount,
                                  run.MissCount, run.FirstAttempt, run.ChoiceCount, run.BlankStart, run.RunStartTick,
                                  run.KeepOrder, run.TranslationLoaded, window.Toi.selStart(), window.Toi.selLength(),
                                  window.SpdBtn7.visible(), static_cast<int>(drill.program.Phase)},
        run.Table.pendingRow, run.Table.startRow, window.FileLines.lines(), window.ChoiceLines.lines(),
        window.TranslationLines.lines(),
        std::vector<std::string>{window.TT.caption(), window.LbMondai.caption(), window.LbHead1B.caption(),
                                 window.kakunin.caption(), drill.memo()});
}

TEST(OpenCommand, FailedOrRefusedOpenLeavesTheRunInProgressIntact) {
    Drill drill;
    std::vector<std::string> verbs = VerbsFile;
    verbs.push_back("/R");
    drill.writeFile("verbs.m7", verbs);
    drill.writeFile("verb1jp.txt", {"head", "one", "two"});
    drill.open("verbs.m7");
    drill.press('2'); // a miss
    drill.press('1'); // question 1 done, question 2 asked
    drill.press('1'); // its first blank
    ASSERT_EQ(drill.program.Run.AnswerKey, "2");
    const auto before = runInProgress(drill);

    drill.platform.files[drill.logPath()] = OneRecordLog;
    drill.writeFile("bad.m7", questionFile("bad", {"/Tbad", "/Sb", "/Gbad", "Q ___", "#a#b", "7"}));
    drill.writeFile("badjp.txt", {"head", "bad"});
    drill.writeFile("locked.m7", {"x"});
    drill.platform.unreadable.insert("locked.m7");
    drill.writeFile("lockedtr.m7", questionFile("lk", {"/Tlk", "Q ___", "#a#b", "1"}));
    drill.writeFile("lkjp.txt", {"head", "x"});
    drill.platform.unreadable.insert("lkjp.txt");

    // Only the totals are new: every Open that got past the dialog refreshed them from the log.
    auto expectIntact = [&](const char* after) {
        EXPECT_EQ(runInProgress(drill), before) << after;
        EXPECT_EQ(drill.program.Mn1.LbSkip.caption(), " 10:00") << after;
        EXPECT_EQ(drill.program.Mn1.LbHead3B.caption(), " 88.46") << after;
        EXPECT_FALSE(drill.program.Closing) << after;
    };
    drill.open("bad.m7");
    EXPECT_EQ(drill.platform.messages.size(), 1u);
    expectIntact("refused");
    drill.open("locked.m7");
    expectIntact("unreadable file");
    drill.open("lockedtr.m7");
    expectIntact("unreadable translation");
    EXPECT_EQ(drill.platform.errors,
              (std::vector<std::string>{sjis("ﾌｧｲﾙ locked.m7 は開けません."), sjis("ﾌｧｲﾙ lkjp.txt は開けません.")}));

    // The run goes on where it was and ends with its own record.
    drill.press('2');
    drill.press(drill.key());
    EXPECT_EQ(drill.program.Phase, RunPhase::Finished);
    std::string log = drill.platform.files[drill.logPath()];
    EXPECT_EQ(log.substr(0, OneRecordLog.size()), OneRecordLog);
    EXPECT_EQ(log.substr(OneRecordLog.size() + 24), "002004001002verb1\r\n");
}

TEST(OpenCommand, ShortTranslationFileIsAccepted) {
    Drill drill;
    drill.writeFile("q.m7", questionFile("s", {"/R", "Q1 ___", "#a#b", "1", "Q2 ___", "#a#b", "1"}));
    drill.writeFile("sjp.txt", {"head", "first only"});
    drill.open("q.m7");
    EXPECT_EQ(drill.program.Phase, RunPhase::Asking);
    EXPECT_EQ(drill.program.Run.TranslationLoaded, 1);
    drill.press('1');
    ASSERT_EQ(drill.program.Run.CurrentQuestion, 2);
    RunHandler(drill.program, [&] { SpdBtn7Click(drill.program); });
    EXPECT_EQ(drill.program.Mn1.Yaku.caption(), "");
    drill.press('1');
    EXPECT_EQ(drill.program.Phase, RunPhase::Finished);
    EXPECT_TRUE(drill.platform.errors.empty());
}

} // namespace
