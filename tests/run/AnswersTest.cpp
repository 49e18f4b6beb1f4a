#include <gtest/gtest.h>

#include "fake/Drill.h"
#include "run/Pause.h"

namespace {

using Waits = std::vector<std::uint32_t>;
using namespace std::literals;

// A key whose choice is not shown is a miss that deletes the selected text, and the next choice goes
// where the blank was. "am" (key 1) is right.
TEST(Answers, KeysAndTheTextTheyLeaveAtTheBlank) {
    const std::vector<std::pair<std::uint16_t, std::string>> cases = {
        {vk::Shift, ""}, {vk::Space, ""}, {vk::Digit0, ""}, {'9', ""},    {vk::Numpad0, ""}, {0x69, ""}, // keypad 9
        {'I', ""},       {'3', "are"},    {'1', "am"},      {0x61, "am"},                                // keypad 1
    };
    for (auto [key, chosen] : cases) {
        SCOPED_TRACE(key);
        Drill drill;
        drill.openQuestions({"/R", "I ___ a student.", "#am#is#are#be", "1", "Q2 ___", "#a#b", "1"});
        drill.press(key);
        EXPECT_EQ(drill.program.Run.MissCount, chosen == "am" ? 0 : 1);
        if (chosen == "am")
            continue;
        EXPECT_EQ(std::make_pair(drill.memo(), drill.program.Mn1.Toi.selectedText()),
                  std::make_pair("I " + chosen + " a student.\r\n", chosen));
        EXPECT_EQ(drill.platform.beeps, std::vector<unsigned>{0x20}); // no buzz.wav
        drill.program.Mn1.setFocus(drill.program.Mn1.BtnNext);        // a click takes the focus to the memo
        drill.click(2);
        EXPECT_EQ(std::make_pair(drill.memo(), drill.program.Mn1.Toi.selectedText()),
                  std::make_pair("I is a student.\r\n"s, "is"s));
        EXPECT_EQ(drill.program.Mn1.focused(), &drill.program.Mn1.Toi);
    }
}

// Labels run from "1" to "9", then from "A" to "H".
TEST(Answers, ChoiceLabelsFollowNineWithA) {
    const std::pair<int, char> cases[] = {{1, '1'}, {9, '9'}, {10, 'A'}, {17, 'H'}};
    for (const auto& [number, label] : cases) {
        EXPECT_EQ(choiceLabel(number), std::string(1, label));
        EXPECT_EQ(choiceNumber(label), number);
    }
}

// Only the first 30000 ms of an answer count as working time; every blank is timed from the
// presentation of its question. Answers weeks apart: the excess stops at its largest value.
TEST(Answers, AnswerTimeAboveThirtySecondsIsNotCounted) {
    Drill drill;
    std::vector<std::string> body = questionBlocks(3);
    body.insert(body.end(), {"___ ___", "#a#b", "1 2", "Q5 ___", "#a#b", "1", "Q6 ___", "#a#b", "1"});
    drill.openQuestions(body);
    // ms since the previous answer or presentation, the excess so far
    const std::pair<std::uint32_t, std::int32_t> steps[] = {{45000, 15000},          {30000, 15000},
                                                            {30001, 15001},          {20000, 15001},
                                                            {20000, 25001},          {0x7FFF0000u, 2147413113},
                                                            {0x7FFF0000u, INT32_MAX}};
    for (auto [after, overrun] : steps) {
        drill.platform.tick += after;
        drill.answerRight();
        EXPECT_EQ(drill.program.Run.TimeOverrun, overrun) << after;
    }
}

TEST(Pause, ProcessesMessagesAtLeastOnceAndEndsAcrossTheTickWrap) {
    Drill drill;
    Pause(drill.program, 0);
    drill.platform.tick = 0xFFFFFE00u;
    drill.platform.waitSlice = 300; // messages end each wait early; the deadline lies past the wrap
    Pause(drill.program, 800);
    EXPECT_EQ(drill.platform.waits, (Waits{0, 800, 500, 200}));
    EXPECT_EQ(drill.platform.tick, 0x120u);
}

// After a miss the acknowledgement loop runs eleven cycles of 700 + 500 ms, or until the end of the
// cycle in which Enter was pressed.
TEST(CompletionSound, AfterAMissTheLoopRunsElevenCyclesOrUntilEnter) {
    for (auto [pressedInWait, waitCount] :
         std::vector<std::pair<int, std::size_t>>{{-1, 22}, {0, 2}, {1, 4}, {2, 4}, {21, 22}}) {
        SCOPED_TRACE(pressedInWait);
        Drill drill;
        drill.effectSounds();
        drill.openQuestions(questionBlocks(2));
        drill.answerWrong();
        TMn1& window = drill.program.Mn1;
        bool enterShown = false;
        auto enter = [&] { drill.command(BtnNextClick); };
        drill.duringWait([&] {
            enterShown = window.BtnNext.visible() && window.focused() == &window.BtnNext;
            if (pressedInWait == 0)
                enter();
        });
        if (pressedInWait > 0)
            drill.duringWait(enter, pressedInWait - 1);
        drill.answerRight();
        EXPECT_TRUE(enterShown && !window.BtnNext.visible());
        ASSERT_EQ(drill.platform.waits.size(), waitCount);
        for (std::size_t i = 0; i < waitCount; ++i)
            EXPECT_EQ(drill.platform.waits[i], i % 2 ? 500u : 700u) << i;
    }
}

} // namespace
