#include <gtest/gtest.h>

#include "fake/RunFixtures.h"

namespace {

// The waits of a completed question, each named by the length of its first wait.
enum class Wait : std::uint32_t { Translation = 100, Acknowledgement = 700, Pause = 800 };
const std::vector<Wait> AllWaits = {Wait::Translation, Wait::Acknowledgement, Wait::Pause};

// Input that would move the run on if it were taken inside the wait.
struct Input {
    std::string name;
    std::function<void(RunDrill&)> give;
};
const std::vector<Input> AllInputs = {
    {"click on the right choice", [](RunDrill& drill) { drill.click(choiceNumber(drill.key())); }},
    {"key of the right choice", [](RunDrill& drill) { drill.answerRight(); }},
    {"skip", [](RunDrill& drill) { drill.skip(); }},
    {"open", [](RunDrill& drill) { drill.open("other.m7"); }},
};

std::string situation(Wait wait, const Input& input) {
    return input.name + " in the wait of " + std::to_string(static_cast<std::uint32_t>(wait)) + " ms";
}

// A drill of `questions` questions whose next correct answer first waits in `wait`.
void prepare(RunDrill& drill, Wait wait, int questions) {
    drill.writeFile("other.m7", {"Other", "o", "Other ___", "#x#y", "1"});
    if (wait == Wait::Translation)
        drill.translation({"Drill", "one", "two", "three"});
    drill.openQuestions(simpleQuestions(questions));
    if (wait == Wait::Acknowledgement)
        drill.answerWrong();
}

TEST(Reentrancy, InputDuringTheWaitsMovesTheRunOnOnce) {
    for (Wait wait : AllWaits) {
        for (const Input& input : AllInputs) {
            SCOPED_TRACE(situation(wait, input));
            RunDrill drill;
            prepare(drill, wait, 3);
            bool missed = wait == Wait::Acknowledgement;
            drill.duringWait([&] { input.give(drill); });
            drill.answerRight();

            ASSERT_FALSE(drill.platform.waits.empty());
            EXPECT_EQ(drill.platform.waits[0], static_cast<std::uint32_t>(wait));
            EXPECT_TRUE(drill.platform.duringWaits.empty());
            RunState& run = drill.program.Run;
            EXPECT_EQ(run.CurrentQuestion, 2);
            EXPECT_EQ(run.CorrectCount, 1);
            EXPECT_EQ(run.MissCount, missed ? 1 : 0);
            EXPECT_EQ(drill.pending(1), missed ? 1 : 0);
            EXPECT_EQ(drill.pending(2), 2);
            EXPECT_EQ(drill.pending(3), 3);
            EXPECT_EQ(drill.program.Mn1.LbHead1B.caption(), missed ? "0/3" : "1/3");
            EXPECT_EQ(drill.platform.randomRanges.size(), 2u); // question 1, then question 2 once
            EXPECT_EQ(drill.memo(), "Q2 ___.\r\n");
            EXPECT_EQ(drill.program.Mn1.TT.caption(), "Drill");
            EXPECT_EQ(drill.platform.dialogFilters.size(), 1u);
            EXPECT_TRUE(drill.platform.errors.empty());
            EXPECT_EQ(drill.program.WaitDepth, 0);
        }
    }
}

TEST(Reentrancy, InputDuringTheWaitsOfTheLastQuestionWritesOneRecord) {
    for (Wait wait : AllWaits) {
        for (const Input& input : AllInputs) {
            SCOPED_TRACE(situation(wait, input));
            RunDrill drill;
            prepare(drill, wait, 1);
            drill.platform.tick += 5000; // keeps the counters from the zero-time guard
            drill.duringWait([&] { input.give(drill); });
            drill.answerRight();

            EXPECT_EQ(drill.program.Phase, RunPhase::Finished);
            EXPECT_EQ(drill.program.Run.CorrectCount, 1);
            EXPECT_EQ(drill.platform.messages.size(), 1u);
            std::string log = drill.platform.files[drill.logPath()];
            EXPECT_EQ(log.find("\r\n"), log.size() - 2) << log;
            EXPECT_EQ(drill.program.Mn1.TT.caption(), "");
        }
    }
}

TEST(Reentrancy, AnswersDuringTheCongratulationAreIgnored) {
    RunDrill drill;
    drill.openQuestions(simpleQuestions(1));
    drill.platform.tick += 5000;
    drill.platform.onMessage = [&](const std::string&) {
        drill.press('1');
        drill.press(vk::Space);
        drill.click(1);
        drill.skip();
        drill.listen();
    };
    drill.answerRight();
    EXPECT_EQ(drill.program.Run.CorrectCount, 1);
    EXPECT_EQ(drill.program.Run.MissCount, 0);
    EXPECT_EQ(drill.label(1), rateCaption("100.00"));
    EXPECT_EQ(drill.memo(), "");
    EXPECT_EQ(drill.platform.messages.size(), 1u);
}

TEST(Reentrancy, SoundSwitchDuringTheTranslationPauseSilencesTheQuestion) {
    RunDrill drill;
    drill.effectSounds();
    drill.translation({"Drill", "one", "two"});
    drill.openQuestions(simpleQuestions(2));
    drill.answerWrong();
    drill.duringWait([&] { drill.soundSwitch(); });
    drill.answerRight();
    // Sound off when the sound is chosen: the chime is opened but not played, and no loop runs.
    EXPECT_EQ(drill.platform.waits, (std::vector<std::uint32_t>{100, 800}));
    EXPECT_EQ(drill.platform.player.log, (std::vector<std::string>{"open " + BuzzPath, "play " + BuzzPath, "close",
                                                                   "open " + PinponPath, "close"}));
    EXPECT_EQ(drill.program.Run.SoundOn, 0);
    EXPECT_EQ(drill.program.Run.CurrentQuestion, 2);
}

TEST(Reentrancy, SoundSwitchDuringTheLoopLetsTheLoopFinish) {
    RunDrill drill;
    drill.openQuestions(simpleQuestions(2));
    drill.answerWrong();
    drill.duringWait([&] { drill.soundSwitch(); }, 3);
    drill.answerRight();
    EXPECT_EQ(drill.platform.waits.size(), 22u);
    EXPECT_EQ(drill.program.Run.SoundOn, 0);
}

TEST(Reentrancy, ListenIsIgnoredAndHintWorksDuringTheWaits) {
    RunDrill drill;
    drill.translation({"Drill", "one", "two"});
    drill.platform.files["q01.wav"] = "RIFF";
    drill.openQuestions(simpleQuestions(2));
    std::string hinted;
    drill.duringWait([&] { drill.listen(); }); // in the translation pause
    drill.duringWait([&] {                     // in the 800 ms pause
        drill.hint();
        hinted = drill.program.Mn1.Yaku.caption();
    });
    drill.answerRight();
    EXPECT_EQ(hinted, "one");
    EXPECT_EQ(drill.platform.waits, (std::vector<std::uint32_t>{100, 800, 300}));
    // The question's own sound plays once, when the question is completed.
    EXPECT_EQ(drill.platform.player.log, (std::vector<std::string>{"open q01.wav", "play-wait q01.wav", "close"}));
    EXPECT_EQ(drill.program.Run.CurrentQuestion, 2);
}

} // namespace
