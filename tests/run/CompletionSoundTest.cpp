#include <gtest/gtest.h>

#include "fake/RunFixtures.h"

namespace {

using Log = std::vector<std::string>;
using Waits = std::vector<std::uint32_t>;

// Eleven cycles of the acknowledgement loop without a sound of the question's own.
Waits elevenSilentCycles() {
    Waits waits;
    for (int cycle = 0; cycle < 11; ++cycle) {
        waits.push_back(700);
        waits.push_back(500);
    }
    return waits;
}

TEST(CompletionSound, SoundOffStillBuzzesAndOnlyOpensTheChime) {
    RunDrill drill;
    drill.effectSounds();
    drill.openQuestions(simpleQuestions(2));
    drill.soundSwitch();
    ASSERT_EQ(drill.program.Run.SoundOn, 0);

    drill.answerWrong();
    EXPECT_EQ(drill.platform.player.log, (Log{"open " + BuzzPath, "play " + BuzzPath}));
    bool enterShown = true;
    drill.duringWait([&] { enterShown = drill.program.Mn1.BtnNext.visible(); });
    drill.answerRight();
    EXPECT_EQ(drill.platform.player.log,
              (Log{"open " + BuzzPath, "play " + BuzzPath, "close", "open " + PinponPath, "close"}));
    EXPECT_FALSE(enterShown);
    EXPECT_EQ(drill.platform.waits, Waits{800});
    EXPECT_TRUE(drill.platform.beeps.empty());
    EXPECT_EQ(drill.program.Run.CurrentQuestion, 2);
}

TEST(CompletionSound, AfterAMissTheLoopRunsElevenCyclesWithoutEnter) {
    RunDrill drill;
    drill.effectSounds();
    drill.openQuestions(simpleQuestions(2));
    drill.answerWrong();
    bool enterShown = false;
    bool enterFocused = false;
    drill.duringWait([&] {
        enterShown = drill.program.Mn1.BtnNext.visible();
        enterFocused = drill.program.Mn1.focused() == &drill.program.Mn1.BtnNext;
    });
    drill.answerRight();
    EXPECT_TRUE(enterShown);
    EXPECT_TRUE(enterFocused);
    EXPECT_EQ(drill.platform.waits, elevenSilentCycles());
    EXPECT_EQ(drill.platform.player.log, (Log{"open " + BuzzPath, "play " + BuzzPath, "close", "open " + PinponPath,
                                              "play-wait " + PinponPath, "close"}));
    EXPECT_FALSE(drill.program.Mn1.BtnNext.visible());
    EXPECT_EQ(drill.program.Run.CurrentQuestion, 2);
}

// A press is noticed after the pause of a cycle; the cycle still ends with its 500 ms wait.
TEST(CompletionSound, EnterEndsTheLoopAfterTheCycleThatNoticesIt) {
    struct Case {
        int pressedInWait;
        std::size_t waits;
    };
    const std::vector<Case> cases = {{0, 2}, {1, 4}, {2, 4}, {21, 22}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pressedInWait);
        RunDrill drill;
        drill.openQuestions(simpleQuestions(2));
        drill.answerWrong();
        drill.duringWait([&] { drill.enter(); }, c.pressedInWait);
        drill.answerRight();
        EXPECT_EQ(drill.platform.waits.size(), c.waits);
        EXPECT_EQ(drill.program.Run.NextPressed, 0);
        EXPECT_FALSE(drill.program.Mn1.BtnNext.visible());
        EXPECT_EQ(drill.program.Run.CurrentQuestion, 2);
    }
}

TEST(CompletionSound, OwnSoundIsReplayedInEveryCycle) {
    RunDrill drill;
    drill.effectSounds();
    drill.platform.files["q01.wav"] = "RIFF";
    drill.openQuestions(simpleQuestions(2));
    drill.answerWrong();
    std::uint32_t before = drill.platform.tick;
    drill.answerRight();

    Log expected = {"open " + BuzzPath, "play " + BuzzPath, "close", "open q01.wav", "play-wait q01.wav"};
    for (int cycle = 0; cycle < 11; ++cycle)
        expected.push_back("play-wait q01.wav");
    expected.push_back("close");
    EXPECT_EQ(drill.platform.player.log, expected);
    EXPECT_EQ(drill.platform.waits, Waits(11, 500));
    EXPECT_EQ(drill.platform.tick - before, 12u * 1200u + 11u * 500u);
}

TEST(CompletionSound, MissingEffectSoundsBeep) {
    RunDrill drill;
    drill.openQuestions(simpleQuestions(3));
    drill.answerRight();
    EXPECT_EQ(drill.platform.beeps, std::vector<unsigned>{0});
    EXPECT_EQ(drill.platform.waits, Waits{800});

    drill.answerWrong();
    EXPECT_EQ(drill.platform.beeps, (std::vector<unsigned>{0, 0x20}));
    drill.answerRight();
    EXPECT_EQ(drill.platform.beeps, (std::vector<unsigned>{0, 0x20, 0}));
    EXPECT_EQ(drill.platform.waits.size(), 1u + 22u);
    EXPECT_TRUE(drill.platform.player.log.empty());
    EXPECT_EQ(drill.program.Run.CurrentQuestion, 3);
}

// A sound that cannot be opened is reported once; the question then completes as if it had none.
TEST(CompletionSound, SoundThatCannotBeOpenedIsReportedAndTheRunGoesOn) {
    RunDrill drill;
    drill.effectSounds();
    drill.platform.files["q02.wav"] = "RIFF";
    drill.platform.player.unplayable = {PinponPath, "q02.wav"};
    drill.openQuestions(simpleQuestions(3));

    drill.answerRight();
    EXPECT_EQ(drill.platform.errors, Log{"cannot open " + PinponPath + "."});
    EXPECT_EQ(drill.platform.beeps, std::vector<unsigned>{0});
    EXPECT_EQ(drill.platform.waits, Waits{800});
    EXPECT_EQ(drill.program.Run.CorrectCount, 1);
    EXPECT_EQ(drill.program.Run.CurrentQuestion, 2);

    drill.answerWrong();
    drill.platform.waits.clear();
    drill.answerRight();
    EXPECT_EQ(drill.platform.errors.size(), 2u);
    EXPECT_EQ(drill.platform.errors[1], "cannot open q02.wav.");
    EXPECT_EQ(drill.platform.waits, elevenSilentCycles());
    EXPECT_EQ(drill.program.Run.CorrectCount, 2);
    EXPECT_EQ(drill.program.Run.MissCount, 1);
    EXPECT_EQ(drill.program.Run.CurrentQuestion, 3);
    EXPECT_FALSE(drill.platform.player.isOpen);
}

TEST(CompletionSound, LastQuestionAfterAMissRunsTheLoopThenEnds) {
    RunDrill drill;
    drill.effectSounds();
    drill.openQuestions(simpleQuestions(1));
    drill.answerWrong();
    drill.answerRight();
    EXPECT_EQ(drill.platform.waits, elevenSilentCycles());
    EXPECT_EQ(drill.program.Phase, RunPhase::Finished);
    EXPECT_EQ(drill.platform.messages, Log{sjis("おめでとう！ すべて終了しました！")});
}

} // namespace
