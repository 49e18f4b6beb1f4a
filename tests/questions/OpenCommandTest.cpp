#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "fake/Drill.h"
#include "text/Limits.h"

namespace {

using namespace std::literals;

// The two-question example drill, and its body once the directive lines are gone.
const std::string VerbsBody = "I ___ a student.\r\n#am#is#are\r\n1\r\nShe ___ to school ___ bus.\r\n(two answers)\r\n"
                              "#goes#by#go#on#in\r\n1 2\r\n";
const std::string VerbsFile =
    "Verbs 1\r\nverb1\r\n//lesson 1, part A\r\n/TChoose the word for the blank.\r\n" + VerbsBody + "/Vsnd1\r\n";

// One record: 600 s, 23 correct, 3 wrong.
const std::string OneRecordLog = "261206 005058-010203,600020023003020abc\r\n";

// Everything of a run in progress that an Open could touch, apart from the totals.
auto runInProgress(const Drill& drill) {
    const RunState& run = drill.program.Run;
    const TMn1& window = drill.program.Mn1;
    return std::make_tuple(run.AnswerKey, run.AnswerLine, run.RunTag, run.PictureBase, run.ListenBase,
                           window.TT.caption(), window.LbMondai.caption(), window.LbHead1B.caption(), drill.memo(),
                           std::vector<std::int64_t>{run.CurrentQuestion, run.MissCount, run.ChoiceCount,
                                                     run.RunStartTick, run.KeepOrder, run.TranslationLoaded,
                                                     window.SpdBtn7.visible(), static_cast<int>(drill.program.Phase)},
                           run.Table.pendingRow, window.FileLines.text(), window.TranslationLines.text(),
                           drill.platform.folder);
}

// A drill in folder A, and files from folder B that cannot be run: the run goes on in its own folder
// to the end screen and its own record.
TEST(OpenCommand, CancelledRefusedOrFailedOpenLeavesTheRunAndItsFolderIntact) {
    Drill drill;
    drill.platform.files["/A/verbs.m7"] = VerbsFile + "/R\r\n";
    drill.writeFile("/A/verb1jp.txt", {"head", "one"}); // short: question 2 has no line
    drill.platform.files["/A/verb102.bmp"] = drill.platform.files["/A/snd102.wav"] = "media";
    drill.platform.pictures["/A/verb102.bmp"] = {32, 32};
    drill.open("/A/verbs.m7");
    drill.press('2'); // a miss
    const auto before = runInProgress(drill);

    // A cancel does not even read the totals again.
    drill.platform.files[drill.logPath()] = OneRecordLog;
    drill.platform.dialogAnswers.push_back(std::nullopt);
    drill.command(SpdBtn1Click);
    EXPECT_EQ(drill.platform.dialogFilters.back(),
              sjis("QM7,ﾃｷｽﾄ形式|*.m7;*.txt|ﾃｷｽﾄ形式|*.txt|QM7|*.m7|すべて(*.*)|*.*"));
    EXPECT_EQ(drill.platform.dialogExtensions.back(), "m7");
    EXPECT_EQ(runInProgress(drill), before);
    EXPECT_EQ(drill.program.Mn1.LbSkip.caption(), "  0:00");

    drill.writeFile("/B/bad.m7", {"Title", "bad", "/Tbad", "/Sb", "/Gbad", "Q ___", "#a#b", "7"});
    drill.writeFile("/B/badjp.txt", {"head", "bad"});
    drill.writeFile("/B/locked.m7", {"x"});
    drill.writeFile("/B/lockedtr.m7", {"Title", "lk", "/Tlk", "Q ___", "#a#b", "1"});
    drill.writeFile("/B/lkjp.txt", {"head", "x"});
    drill.platform.unreadable = {"/B/locked.m7", "/B/lkjp.txt"};
    // A Skip, an answer or an Open given while a refusal box is up must not reach the half-loaded file.
    drill.platform.onMessage = [&](const std::string&) {
        drill.platform.onMessage = nullptr;
        drill.skip();
        drill.answerRight();
        drill.command(SpdBtn1Click);
    };
    // Every Open that got past the dialog refreshed the totals from the log, and nothing else.
    for (const char* name : {"/B/bad.m7", "/B/locked.m7", "/B/lockedtr.m7", "/B/bad.m7"}) {
        if (drill.platform.errors.size() == 2)
            drill.platform.unreadable.insert(drill.logPath());
        drill.open(name);
        EXPECT_EQ(runInProgress(drill), before) << name;
        EXPECT_EQ(drill.program.Mn1.LbSkip.caption(), " 10:00") << name;
        EXPECT_FALSE(drill.program.Closing) << name;
    }
    EXPECT_EQ(drill.platform.messages.size(), 1u);
    EXPECT_EQ(drill.platform.dialogFilters.size(), 6u) << "no Open from the box";
    EXPECT_EQ(drill.platform.errors,
              (std::vector{sjis("ﾌｧｲﾙ /B/locked.m7 は開けません."), sjis("ﾌｧｲﾙ lkjp.txt は開けません."),
                           sjis("ﾌｧｲﾙ /opt/qm7w/QM7Kekka.DAT は開けません.")}));
    drill.platform.unreadable.clear();

    // The next question finds its picture and sound, and the run ends with its own record.
    drill.press('1');
    const TMn1& window = drill.program.Mn1;
    EXPECT_EQ(window.GF1.visible() ? window.GF1.picture() : "", "verb102.bmp");
    EXPECT_TRUE(window.SpdBtn6.visible());
    drill.hint();
    EXPECT_EQ(window.Yaku.caption(), "");
    for (char key : {'1', '2', '1'})
        drill.press(static_cast<std::uint16_t>(key));
    EXPECT_EQ(drill.platform.messages.back(), sjis("おめでとう！ すべて終了しました！"));
    for (const Control* emptied : std::initializer_list<const Control*>{&window.TT, &window.No, &window.Yaku})
        EXPECT_EQ(emptied->caption(), "") << emptied->name(); // the memo has the review
    EXPECT_EQ(std::make_tuple(window.LbMondai.caption(), window.LbHead1B.caption(), window.shGauge2.width()),
              std::make_tuple(sjis("新しい問題ファイルを選択,ないし終了!"), "2/2"s, 428));
    EXPECT_EQ(drill.platform.files[drill.logPath()], OneRecordLog + "261206 005058-005058,016002004001002verb1\r\n");
}

// A file and a line of their largest sizes open; a byte more is refused, naming the limit, and the run
// goes on.
TEST(OpenCommand, FilesAndLinesAtTheirLimitsOpenAndOneByteMoreIsRefused) {
    Drill drill;
    std::string& file = drill.platform.files["big.m7"];
    file = "T\r\nq\r\n" + std::string(LineLimit - 3, 'x') + "___\r\n#a#b\r\n1\r\n";
    while (file.size() < DrillFileLimit)
        file += "//" + std::string(std::min(LineLimit, DrillFileLimit - file.size()) - 4, 'x') + "\r\n";
    drill.open("big.m7");
    ASSERT_EQ(drill.program.Phase, RunPhase::Asking);
    file += "x";
    drill.writeFile("line.m7", {"T", "q", "Q ___" + std::string(LineLimit - 4, 'x'), "#a#b", "1"});
    drill.open("big.m7");
    drill.open("line.m7");
    EXPECT_EQ(drill.platform.errors, std::vector{sjis("ﾌｧｲﾙ big.m7 は大きすぎます（16 MBまで）.")});
    EXPECT_EQ(drill.platform.messages,
              std::vector{sjis("ファイル形式が違います\n3行目: 行が長すぎます（65536バイトまで）")});
    EXPECT_EQ(drill.memo().size(), LineLimit + 2); // the first file's question, still asked
}

TEST(OpenCommand, OpenWhileARunIsGoingStartsAfresh) {
    Drill drill;
    drill.platform.files["verbs.m7"] = VerbsFile + "/R\r\n/Sx\r\n/Gpics\r\n";
    drill.writeFile("verb1jp.txt", {"head", "one", "two"});
    drill.open("verbs.m7");
    drill.platform.tick += 40000; // a slow answer counts an overrun
    drill.press('2');
    drill.press('1');
    const RunState& run = drill.program.Run;
    ASSERT_EQ(std::tie(run.CurrentQuestion, run.MissCount, run.TimeOverrun), std::make_tuple(2, 1, 10000));

    drill.platform.tick += 1234;
    drill.openQuestions(questionBlocks(3), "two", "second.m7");
    EXPECT_EQ(std::tie(run.RunStartTick, run.QuestionTotal, run.CurrentQuestion, run.PreviousQuestion),
              std::make_tuple(drill.platform.tick, 3, 1, 4));
    EXPECT_EQ(std::tie(run.MasteredCount, run.CorrectCount, run.MissCount, run.TimeOverrun, run.FirstAttempt),
              std::make_tuple(0, 0, 0, 0, 1));
    EXPECT_EQ(std::make_pair(drill.program.Mn1.LbHead1B.caption(), drill.memo()),
              std::make_pair("0/3"s, "Q1 ___\r\n"s));
    // The first file's directives and translation are gone with it.
    EXPECT_EQ(std::tie(run.KeepOrder, run.TranslationLoaded, run.PictureBase, run.ListenBase),
              std::make_tuple(0, 0, "two", "two"));
    EXPECT_EQ(std::make_pair(drill.program.Mn1.LbMondai.caption(), drill.program.Mn1.LbSkip.caption()),
              std::make_pair(sjis("適切なものを選択せよ"), "  0:00"s));
    EXPECT_FALSE(drill.program.Mn1.SpdBtn7.visible());
}

} // namespace
