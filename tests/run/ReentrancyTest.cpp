#include <gtest/gtest.h>

#include <tuple>

#include "fake/Drill.h"

namespace {

using namespace std::literals;

// Input that would move the run on, and the results history, given in each wait of a completed question (named by the
// length of its first wait: translation 100, acknowledgement loop 700, pause 800 ms), of a middle and a last question.
TEST(Reentrancy, InputDuringTheWaitsMovesTheRunOnOnceAndWritesOneRecord) {
    const std::vector<std::pair<std::string, std::function<void(Drill&)>>> inputs = {
        {"click", [](Drill& drill) { drill.click(choiceNumber(drill.key())); }},
        {"key", [](Drill& drill) { drill.answerRight(); }},
        {"skip", [](Drill& drill) { drill.skip(); }},
        {"open", [](Drill& drill) { drill.open("q.m7"); }},
        {"history", [](Drill& drill) { drill.command(SpdBtn8Click); }},
    };
    for (int questions : {3, 1}) {
        for (std::uint32_t wait : {100u, 700u, 800u}) {
            for (const auto& [name, give] : inputs) {
                SCOPED_TRACE(name + " in " + std::to_string(wait) + " of " + std::to_string(questions));
                Drill drill;
                if (wait == 100)
                    drill.writeFile("qjp.txt", {"Title", "one"});
                drill.openQuestions(questionBlocks(questions));
                if (wait == 700)
                    drill.answerWrong();
                drill.platform.tick += 5000; // keeps the counters from the zero-time guard
                drill.duringWait([&] { give(drill); });
                drill.answerRight();

                const FakePlatform& p = drill.platform;
                EXPECT_EQ(
                    std::make_tuple(p.waits.at(0), p.duringWaits.size(), p.dialogFilters.size(), p.historyShown.size()),
                    std::make_tuple(wait, 0u, 1u, name == "history" ? 1u : 0u));
                EXPECT_EQ(drill.program.Run.CorrectCount, 1);
                if (questions == 1) {
                    std::string log = drill.platform.files[drill.logPath()];
                    EXPECT_EQ(log.find("\r\n"), log.size() - 2) << log;
                    EXPECT_EQ(drill.platform.messages.size(), 1u);
                    continue;
                }
                EXPECT_EQ(std::make_tuple(drill.memo(), p.randomRanges.size(), drill.pending(1), drill.pending(2),
                                          drill.pending(3)),
                          std::make_tuple("Q2 ___\r\n"s, 2u, wait == 700 ? 1 : 0, 2, 3));
            }
        }
    }
}

// Before Open, in the congratulation box and after it nothing answers, skips or listens; Hint works
// from the end on, with the last question's translation.
TEST(Reentrancy, InputDoesNothingBeforeOpenAndAfterTheEnd) {
    Drill drill;
    drill.platform.files["00.wav"] = drill.platform.files["q01.wav"] = "RIFF"; // Listen's names before and after Open
    drill.writeFile("qjp.txt", {"Title", "one"});
    auto everything = [&](bool hint) {
        for (std::uint16_t key : {std::uint16_t{'1'}, vk::Shift, std::uint16_t{'A'}})
            drill.press(key);
        drill.click(1);
        drill.click(2);
        drill.skip();
        drill.listen();
        if (hint)
            drill.hint();
    };
    auto state = [&] {
        const FakePlatform& p = drill.platform;
        const RunState& run = drill.program.Run;
        return std::make_tuple(p.player.log, p.waits, p.beeps, p.randomRanges, run.CorrectCount, run.MissCount,
                               drill.memo(), drill.program.Mn1.Yaku.caption(), drill.label(1));
    };
    auto before = state();
    everything(true);
    EXPECT_EQ(state(), before);

    drill.openQuestions(questionBlocks(1));
    drill.platform.tick += 5000;
    drill.platform.onMessage = [&](const std::string&) {
        before = state();
        everything(false);
    };
    drill.answerRight();
    ASSERT_EQ(drill.program.Phase, RunPhase::Finished);
    drill.platform.onMessage = nullptr;
    everything(false);
    EXPECT_EQ(state(), before);
    drill.hint();
    EXPECT_EQ(drill.program.Mn1.Yaku.caption(), "one");
    EXPECT_EQ(drill.platform.waits.back(), 300u);
}

} // namespace
