#include <gtest/gtest.h>

#include <stdexcept>

#include "fake/Drill.h"
#include "platform/AppError.h"

namespace {

const std::vector<std::string> OneQuestion = {"Title", "base", "I ___ a student.", "#am#is#are", "1"};
const std::vector<std::string> TwoQuestions = {"Title", "base",           "I ___ a student.", "#am#is#are",
                                               "1",     "They ___ here.", "#are#is",          "1"};

TEST(ToolbarCommands, TypefaceSwitchGoesStartJapaneseLatinJapanese) {
    Drill drill;
    const Memo& memo = drill.program.Mn1.Toi;
    const FontSpec labelFont = drill.program.Mn1.Label(1).font();
    // Faces by their bytes: full-width "ＭＳ Ｐ" at the start, single-byte "MS P" after a press.
    const std::string startFace = "\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E";
    const std::string japaneseFace = "MS P\x83\x53\x83\x56\x83\x62\x83\x4E";
    EXPECT_EQ(memo.font().face, startFace);
    EXPECT_EQ(memo.font().height, 17);

    struct Step {
        std::string face;
        int height; // 13 and 15 points at 96 pixels per inch
    };
    const Step steps[] = {{japaneseFace, 17}, {"Times New Roman", 20}, {japaneseFace, 17}, {"Times New Roman", 20}};
    for (const Step& step : steps) {
        SpdBtn4Click(drill.program);
        EXPECT_EQ(memo.font().face, step.face);
        EXPECT_EQ(memo.font().height, step.height);
        EXPECT_FALSE(memo.font().bold);
        EXPECT_FALSE(memo.font().italic);
    }
    EXPECT_EQ(drill.program.Mn1.Label(1).font(), labelFont) << "only the question text changes";

    // A file opened in between keeps the setting.
    drill.writeFile("one.m7", OneQuestion);
    drill.open("one.m7");
    SpdBtn4Click(drill.program);
    EXPECT_EQ(memo.font().face, japaneseFace);
}

TEST(ToolbarCommands, SoundSwitchTogglesUntilTheNextOpen) {
    Drill drill;
    RunState& run = drill.program.Run;
    SpdBtn5Click(drill.program);
    SpdBtn5Click(drill.program);
    EXPECT_EQ(run.SoundOn, 0) << "twice leaves it unchanged";
    SpdBtn5Click(drill.program);
    EXPECT_EQ(run.SoundOn, 1) << "before any file, once switches it on";

    SpdBtn5Click(drill.program);
    drill.writeFile("one.m7", OneQuestion);
    drill.open("one.m7");
    ASSERT_EQ(drill.program.Phase, RunPhase::Asking);
    EXPECT_EQ(run.SoundOn, 1) << "every Open switches it on";
    SpdBtn5Click(drill.program);
    EXPECT_EQ(run.SoundOn, 0);
    drill.open("one.m7");
    EXPECT_EQ(run.SoundOn, 1);
}

TEST(ToolbarCommands, HelpNamesTheFileOnEveryClick) {
    Drill drill;
    SpdBtn0Click(drill.program);
    EXPECT_EQ(drill.program.HelpFile, "/opt/qm7w/Qm7wh.hlp");
    drill.program.HelpFile = "other.hlp";
    SpdBtn0Click(drill.program);
    EXPECT_EQ(drill.program.HelpFile, "/opt/qm7w/Qm7wh.hlp");
    EXPECT_EQ(drill.platform.helpCalls,
              (std::vector<std::string>{"contents /opt/qm7w/Qm7wh.hlp", "contents /opt/qm7w/Qm7wh.hlp"}));
    EXPECT_TRUE(drill.platform.messages.empty()) << "a missing help file is the viewer's matter";
    EXPECT_TRUE(drill.platform.errors.empty());
}

TEST(ToolbarCommands, EnterSetsNextPressedInAnyPhase) {
    Drill drill;
    BtnNextClick(drill.program);
    EXPECT_EQ(drill.program.Run.NextPressed, 1);
    BtnNextClick(drill.program);
    EXPECT_EQ(drill.program.Run.NextPressed, 1);
}

TEST(ToolbarCommands, ExitDuringARunWritesNothing) {
    Drill drill;
    drill.writeFile("two.m7", TwoQuestions);
    drill.open("two.m7");
    drill.press(drill.key());
    ASSERT_EQ(drill.program.Run.CurrentQuestion, 2);

    RunHandler(drill.program, [&] { SpdBtn2Click(drill.program); });
    EXPECT_TRUE(drill.program.Closing);
    EXPECT_TRUE(drill.platform.closeRequested);
    FormDestroy(drill.program);
    EXPECT_EQ(drill.platform.files.count(drill.logPath()), 0u);
    EXPECT_TRUE(drill.platform.messages.empty());
    EXPECT_TRUE(drill.platform.errors.empty());
}

TEST(ToolbarCommands, RunHandlerShowsAFailureAndGoesOn) {
    Drill drill;
    RunHandler(drill.program, [] { throw AppError(sjis("ﾌｧｲﾙ x は開けません")); });
    RunHandler(drill.program, [] { throw std::out_of_range("array::at"); });
    bool ran = false;
    RunHandler(drill.program, [&] { ran = true; });
    EXPECT_TRUE(ran);
    EXPECT_EQ(drill.platform.errors, (std::vector<std::string>{sjis("ﾌｧｲﾙ x は開けません."), "array::at."}));
    EXPECT_TRUE(drill.platform.messages.empty());
    EXPECT_FALSE(drill.program.Closing);
}

} // namespace
