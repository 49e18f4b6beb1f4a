#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <tuple>

#include "fake/Drill.h"

namespace {

// A fault of the program itself is reported apart from the learner's errors, memory that cannot be had
// as an error, and the Open either broke leaves the run in progress as it was.
TEST(Faults, AnInternalFaultOrLackOfMemoryIsReportedAndUndoesTheOpen) {
    Drill drill;
    drill.openQuestions(questionBlocks(2));
    const TMn1& w = drill.program.Mn1;
    auto state = [&] { return std::make_tuple(w.TT.caption(), w.FileLines.text(), drill.program.Run.RunTag); };
    auto before = state();
    drill.writeFile("bad.m7", {"Other", "other", "/#", "Q ___", "#a#b", "1"}); // its directive shows a box
    drill.platform.onMessage = [](const std::string&) { throw std::out_of_range("array::at"); };
    drill.open("bad.m7");
    EXPECT_EQ(drill.platform.developerLines,
              std::vector<std::string>{"qm7w: internal error in SpdBtn1Click: array::at"});
    EXPECT_EQ(drill.platform.internalErrors, std::vector{sjis("内部エラーが起きました（SpdBtn1Click）。")});
    EXPECT_EQ(std::make_pair(drill.platform.errors.size(), state()), std::make_pair(std::size_t{0}, before));
    FakePlatform::internalErrorsUnchecked = 0;
    drill.platform.onMessage = [](const std::string&) { throw std::bad_alloc(); };
    drill.open("bad.m7");
    EXPECT_EQ(std::make_pair(drill.platform.errors, state()),
              std::make_pair(std::vector{sjis("メモリが足りません.")}, before));
}

// A close asked for in the pause of a last question (by the window) or in the acknowledgement loop (by
// the exit button) waits for the handler, which stops there: no record, no congratulation.
TEST(Faults, ClosingInAWaitEndsTheHandlerWithoutARecord) {
    for (bool acknowledging : {false, true}) {
        Drill drill;
        drill.effectSounds();
        drill.openQuestions(questionBlocks(1));
        if (acknowledging)
            drill.answerWrong();
        drill.duringWait([&] { acknowledging ? drill.command(SpdBtn2Click) : void(RequestClose(drill.program)); });
        drill.answerRight();
        EXPECT_EQ(drill.platform.waits.size(), 1u);
        EXPECT_EQ(drill.platform.files.count(drill.logPath()), 0u);
        EXPECT_TRUE(drill.platform.messages.empty());
        EXPECT_TRUE(drill.platform.closeRequested && drill.program.HandlerDepth == 0);
    }
}

// A sound that cannot be opened is reported once and beeps in its place; the question completes as if
// it had none (after a miss: the loop without a sound).
TEST(Faults, UnplayableSoundsAreReportedOnceAndCountAsNone) {
    Drill drill;
    drill.effectSounds();
    drill.platform.files["q02.wav"] = "RIFF";
    drill.platform.player.unplayable = {Pinpon, Buzz, "q02.wav"};
    drill.openQuestions(questionBlocks(3));
    drill.answerRight();
    drill.answerWrong();
    drill.answerWrong();
    drill.answerRight();
    EXPECT_EQ(drill.platform.errors, (std::vector<std::string>{"cannot open " + Pinpon + ".",
                                                               "cannot open " + Buzz + ".", "cannot open q02.wav."}));
    EXPECT_EQ(drill.platform.beeps, (std::vector<unsigned>{0, 0x20, 0x20, 0}));
    EXPECT_EQ(drill.platform.waits.size(), 1u + 22u);
    EXPECT_EQ(drill.program.Run.CurrentQuestion, 3);
}

// Without a sound device the learner is told once in the program's life; every sound after that beeps
// or is passed over, and the runs go on.
TEST(Faults, AMissingSoundDeviceIsReportedOnce) {
    Drill drill;
    drill.effectSounds();
    drill.platform.files["q01.wav"] = "RIFF";
    drill.platform.player.noDevice = true;
    for (int run = 0; run < 2; ++run) {
        drill.openQuestions(questionBlocks(1));
        drill.listen();
        drill.answerWrong();
        drill.answerRight();
        EXPECT_EQ(drill.program.Phase, RunPhase::Finished);
    }
    EXPECT_EQ(drill.platform.errors, std::vector<std::string>{"no device."});
    EXPECT_EQ(drill.platform.beeps, (std::vector<unsigned>{0x20, 0, 0x20, 0}));
}

// Without the program's folder there is no results log: it is said at the start, and a run writes
// none into the folder of its question file.
TEST(Faults, AnUnknownProgramFolderKeepsNoLog) {
    Drill drill;
    drill.platform.exePath = "";
    drill.command(FormCreate);
    EXPECT_EQ(drill.platform.errors,
              std::vector<std::string>{sjis("プログラムのフォルダが分からないため、成績は記録されません.")});
    drill.openQuestions(questionBlocks(1));
    drill.answerRight();
    EXPECT_EQ(drill.program.Phase, RunPhase::Finished);
    EXPECT_EQ(drill.platform.files.count("QM7Kekka.DAT"), 0u);
}

} // namespace
