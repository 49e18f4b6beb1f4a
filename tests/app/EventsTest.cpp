#include <gtest/gtest.h>

#include <tuple>

#include "fake/Drill.h"

namespace {

TEST(Startup, FormCreateSetsTheStartValues) {
    FakePlatform platform;
    platform.utcMilliseconds = 86399999; // the last millisecond of the day
    Program program{platform};
    FormCreate(program);
    const RunState& run = program.Run;
    EXPECT_EQ(std::tie(run.FirstAttempt, run.CorrectCount, run.MissCount, run.MasteredCount, run.QuestionTotal,
                       run.SoundOn, run.NextPressed),
              std::make_tuple(1, 0, 0, -1, 1, 0, 0));
    EXPECT_EQ(platform.seed, 86399999u);
    EXPECT_EQ(run.ProgramDir, "/opt/qm7w/");
    // The window view takes its tab chain from the model; the window tests walk only Sel1..Sel4.
    for (int n = 1; n <= ChoiceButtonCount; ++n)
        EXPECT_EQ(program.Mn1.Sel(n).tabOrder(), n - 1) << n;
    const TMn1& w = program.Mn1;
    EXPECT_EQ(std::make_tuple(w.Toi.tabOrder(), w.MediaPlayer1.tabOrder(), w.PnlOpe.tabOrder(), w.BtnNext.tabOrder()),
              std::make_tuple(17, 18, 19, 20));
}

TEST(ToolbarCommands, TypefaceAndSoundSwitches) {
    Drill drill;
    const FontSpec& font = drill.program.Mn1.Toi.font();
    const FontSpec labelFont = drill.program.Mn1.Label(1).font();
    // By bytes: full-width "ＭＳ Ｐ" at the start, single-byte "MS P" after a press.
    EXPECT_EQ(font.face, "\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E");
    const std::string japanese = "MS P\x83\x53\x83\x56\x83\x62\x83\x4E";
    const std::pair<std::string, int> steps[] = {{japanese, 17}, {"Times New Roman", 20}, {japanese, 17}};
    for (const auto& [face, height] : steps) {
        SpdBtn4Click(drill.program);
        EXPECT_EQ(std::tie(font.face, font.height, font.bold, font.italic),
                  std::make_tuple(face, height, false, false));
    }
    EXPECT_EQ(drill.program.Mn1.Label(1).font(), labelFont) << "only the question text changes";

    const auto& soundOn = drill.program.Run.SoundOn;
    SpdBtn5Click(drill.program);
    SpdBtn5Click(drill.program);
    EXPECT_EQ(soundOn, 0) << "twice leaves it unchanged";
    drill.openQuestions(questionBlocks(1));
    EXPECT_EQ(soundOn, 1) << "every Open switches the sound on, from off too";
    SpdBtn4Click(drill.program);
    EXPECT_EQ(font.face, "Times New Roman") << "an Open keeps the typeface";
}

TEST(ToolbarCommands, HelpNamesItsFileOnEveryClickAndIsQuitOnlyIfUsed) {
    Drill unused;
    FormDestroy(unused.program);
    EXPECT_TRUE(unused.platform.helpCalls.empty());

    Drill drill;
    const std::string help = "/opt/qm7w/Qm7wh.hlp";
    SpdBtn0Click(drill.program);
    drill.program.HelpFile = "other.hlp";
    SpdBtn0Click(drill.program);
    FormDestroy(drill.program);
    EXPECT_EQ(drill.platform.helpCalls,
              (std::vector<std::string>{"contents " + help, "contents " + help, "quit " + help}));
}

} // namespace
