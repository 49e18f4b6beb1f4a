#include <gtest/gtest.h>

#include "fake/Drill.h"
#include "fake/QuestionFiles.h"

namespace {

// The two-question example drill.
const std::vector<std::string> VerbsFile = {
    "Verbs 1", "verb1", "//lesson 1, part A", "/TChoose the word for the blank.", "I ___ a student.", "#am#is#are",
    "1", "She ___ to school ___ bus.", "(two answers)", "#goes#by#go#on#in", "1 2", "/Vsnd1"};

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
    EXPECT_EQ(run.CorrectCount + run.MissCount + run.TimeOverrun, 0);
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
struct RunSnapshot {
    explicit RunSnapshot(const Drill& drill)
        : run(drill.program.Run), fileLines(drill.program.Mn1.FileLines.lines()),
          choiceLines(drill.program.Mn1.ChoiceLines.lines()),
          translationLines(drill.program.Mn1.TranslationLines.lines()),
          captions{drill.program.Mn1.TT.caption(), drill.program.Mn1.LbMondai.caption(),
                   drill.program.Mn1.LbHead1B.caption(), drill.program.Mn1.kakunin.caption(), drill.memo()},
          selection{drill.program.Mn1.Toi.selStart(), drill.program.Mn1.Toi.selLength()},
          hintVisible(drill.program.Mn1.SpdBtn7.visible()), phase(drill.program.Phase) {}

    void expectSame(const RunSnapshot& other, const std::string& after) const {
        EXPECT_EQ(run.AnswerKey, other.run.AnswerKey) << after;
        EXPECT_EQ(run.AnswerLine, other.run.AnswerLine) << after;
        EXPECT_EQ(run.RunTag, other.run.RunTag) << after;
        EXPECT_EQ(run.PictureBase, other.run.PictureBase) << after;
        EXPECT_EQ(run.ListenBase, other.run.ListenBase) << after;
        EXPECT_EQ(run.CurrentQuestion, other.run.CurrentQuestion) << after;
        EXPECT_EQ(run.QuestionTotal, other.run.QuestionTotal) << after;
        EXPECT_EQ(run.MasteredCount, other.run.MasteredCount) << after;
        EXPECT_EQ(run.CorrectCount, other.run.CorrectCount) << after;
        EXPECT_EQ(run.MissCount, other.run.MissCount) << after;
        EXPECT_EQ(run.FirstAttempt, other.run.FirstAttempt) << after;
        EXPECT_EQ(run.ChoiceCount, other.run.ChoiceCount) << after;
        EXPECT_EQ(run.BlankStart, other.run.BlankStart) << after;
        EXPECT_EQ(run.RunStartTick, other.run.RunStartTick) << after;
        EXPECT_EQ(run.KeepOrder, other.run.KeepOrder) << after;
        EXPECT_EQ(run.TranslationLoaded, other.run.TranslationLoaded) << after;
        EXPECT_EQ(run.Table.pendingRow, other.run.Table.pendingRow) << after;
        EXPECT_EQ(run.Table.startRow, other.run.Table.startRow) << after;
        EXPECT_EQ(fileLines, other.fileLines) << after;
        EXPECT_EQ(choiceLines, other.choiceLines) << after;
        EXPECT_EQ(translationLines, other.translationLines) << after;
        EXPECT_EQ(captions, other.captions) << after;
        EXPECT_EQ(selection, other.selection) << after;
        EXPECT_EQ(hintVisible, other.hintVisible) << after;
        EXPECT_EQ(phase, other.phase) << after;
    }

    RunState run;
    std::vector<std::string> fileLines, choiceLines, translationLines, captions;
    std::vector<int> selection;
    bool hintVisible;
    RunPhase phase;
};

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
    const RunSnapshot before(drill);

    drill.platform.files[drill.logPath()] = OneRecordLog;
    drill.writeFile("bad.m7", questionFile("bad", {"/Tbad", "/Sb", "/Gbad", "Q ___", "#a#b", "7"}));
    drill.writeFile("badjp.txt", {"head", "bad"});
    drill.writeFile("locked.m7", {"x"});
    drill.platform.unreadable.insert("locked.m7");
    drill.writeFile("lockedtr.m7", questionFile("lk", {"/Tlk", "Q ___", "#a#b", "1"}));
    drill.writeFile("lkjp.txt", {"head", "x"});
    drill.platform.unreadable.insert("lkjp.txt");

    drill.open("bad.m7");
    ASSERT_EQ(drill.platform.messages.size(), 1u);
    before.expectSame(RunSnapshot(drill), "refused");
    drill.open("locked.m7");
    drill.open("lockedtr.m7");
    EXPECT_EQ(drill.platform.errors,
              (std::vector<std::string>{sjis("ﾌｧｲﾙ locked.m7 は開けません."), sjis("ﾌｧｲﾙ lkjp.txt は開けません.")}));
    before.expectSame(RunSnapshot(drill), "unreadable");
    EXPECT_FALSE(drill.program.Closing);
    // Only the totals are new, refreshed from the log by every Open that got past the dialog.
    EXPECT_EQ(drill.program.Mn1.LbSkip.caption(), " 10:00");
    EXPECT_EQ(drill.program.Mn1.LbHead3B.caption(), " 88.46");

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
