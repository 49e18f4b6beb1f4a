#include <gtest/gtest.h>

#include "fake/RunFixtures.h"

namespace {

// Kept in file order, so choice 1 "am" is right and the blank starts at memo position 2.
const Question Student{{"I ___ a student."}, "#am#is#are#be", "1"};

void openStudent(RunDrill& drill) {
    drill.openQuestions({Student, simpleQuestion(2)}, {"/R"});
}

TEST(AnswerKeys, KeysThatNameNoShownChoiceAreMissesAndDeleteTheBlank) {
    const std::vector<std::uint16_t> keys = {vk::Shift, vk::Space, vk::Digit0, '9', vk::Numpad0, 'I', 0x6A};
    for (std::uint16_t key : keys) {
        SCOPED_TRACE(key);
        RunDrill drill;
        openStudent(drill);
        drill.press(key);
        EXPECT_EQ(drill.program.Run.MissCount, 1);
        EXPECT_EQ(drill.program.Run.FirstAttempt, 0);
        EXPECT_EQ(drill.program.Mn1.kakunin.caption(), "NG");
        EXPECT_EQ(drill.program.Mn1.kakunin.color(), colors::red);
        EXPECT_EQ(drill.platform.beeps, std::vector<unsigned>{0x20}); // no buzz.wav
        EXPECT_EQ(drill.memo(), "I  a student.\r\n");
        EXPECT_EQ(drill.program.Mn1.Toi.selLength(), 0);
        EXPECT_EQ(drill.program.Run.CurrentQuestion, 1);

        // The next choice goes where the blank was.
        drill.click(2);
        EXPECT_EQ(drill.memo(), "I is a student.\r\n");
    }
}

TEST(AnswerKeys, KeyAfterAClickDeletesTheChoiceText) {
    RunDrill drill;
    openStudent(drill);
    drill.click(2);
    drill.press(vk::Space);
    EXPECT_EQ(drill.memo(), "I  a student.\r\n");
    EXPECT_EQ(drill.program.Run.MissCount, 2);
}

TEST(AnswerKeys, KeypadDigitsAnswerLikeTheMainDigitsAndAreRewritten) {
    struct Case {
        std::uint16_t key;
        std::uint16_t rewritten;
        bool right;
    };
    const std::vector<Case> cases = {
        {0x61, '1', true},
        {0x69, '9', false},
        {vk::Numpad0, vk::Numpad0, false}, // keypad 0 stays a key of its own
        {0x6A, 0x6A, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        RunDrill drill;
        openStudent(drill);
        std::uint16_t key = c.key;
        SentakuBango(drill.program, key);
        EXPECT_EQ(key, c.rewritten);
        EXPECT_EQ(drill.program.Run.CorrectCount, c.right ? 1 : 0);
        EXPECT_EQ(drill.program.Run.MissCount, c.right ? 0 : 1);
    }
}

TEST(AnswerKeys, LettersAnswerChoicesTenToSeventeen) {
    std::vector<Question> questions;
    for (char letter = 'A'; letter <= 'H'; ++letter)
        questions.push_back({{"___"}, numberedChoices(17), std::string(1, letter)});
    RunDrill drill;
    drill.openQuestions(questions, {"/R"});
    for (int choice = 10; choice <= 17; ++choice) {
        SCOPED_TRACE(choice);
        std::string completed;
        drill.duringWait([&] { completed = drill.memo(); });
        drill.press(static_cast<std::uint16_t>('A' + choice - 10));
        EXPECT_EQ(completed, "c" + std::to_string(choice) + "\r\n");
        EXPECT_EQ(drill.program.Run.CorrectCount, choice - 9);
    }
    EXPECT_EQ(drill.program.Run.MissCount, 0);
    EXPECT_EQ(drill.program.Phase, RunPhase::Finished);
}

// Clicks and keys alike: the chosen text stands at the blank, selected, so the next choice replaces it.
TEST(AnswerKeys, ChosenTextIsWrittenAtTheBlankAndLeftSelected) {
    RunDrill drill;
    openStudent(drill);
    struct Step {
        int choice;
        bool byKey;
        std::string memo;
    };
    const std::vector<Step> steps = {
        {2, false, "I is a student.\r\n"},
        {3, true, "I are a student.\r\n"},
        {4, false, "I be a student.\r\n"},
        {2, true, "I is a student.\r\n"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.choice);
        drill.program.Mn1.setFocus(drill.program.Mn1.BtnNext);
        if (step.byKey)
            drill.press(static_cast<std::uint16_t>('0' + step.choice));
        else
            drill.click(step.choice);
        EXPECT_EQ(drill.memo(), step.memo);
        EXPECT_EQ(drill.program.Mn1.Toi.selStart(), 2);
        EXPECT_EQ(drill.program.Mn1.Toi.selectedText(), drill.label(step.choice));
        // A click gives the memo the focus; a key leaves it where it was.
        EXPECT_EQ(drill.program.Mn1.focused(), step.byKey ? &drill.program.Mn1.BtnNext : &drill.program.Mn1.Toi);
    }
    std::string completed;
    drill.duringWait([&] { completed = drill.memo(); });
    drill.click(1);
    EXPECT_EQ(completed, "I am a student.\r\n");
    EXPECT_EQ(drill.program.Run.MissCount, 4);
    EXPECT_EQ(drill.program.Run.CorrectCount, 1);
}

// Before a question is shown and after the end, the memo is empty and no answer may count.
TEST(AnswerKeys, NothingHappensWhileNoQuestionIsShown) {
    RunDrill drill;
    auto answerEveryWay = [&] {
        drill.press('1');
        drill.press(vk::Shift);
        drill.press('A');
        drill.click(1);
        drill.click(2);
    };
    std::string verdict = drill.program.Mn1.kakunin.caption();
    answerEveryWay();
    EXPECT_EQ(drill.program.Run.MissCount, 0);
    EXPECT_EQ(drill.program.Run.CorrectCount, 0);
    EXPECT_EQ(drill.memo(), "");
    EXPECT_EQ(drill.program.Mn1.kakunin.caption(), verdict);
    EXPECT_TRUE(drill.platform.beeps.empty());
    EXPECT_TRUE(drill.platform.player.log.empty());

    drill.openQuestions({simpleQuestion(1)});
    drill.platform.tick += 5000;
    drill.answerRight();
    ASSERT_EQ(drill.program.Phase, RunPhase::Finished);
    std::vector<unsigned> beeps = drill.platform.beeps;
    answerEveryWay();
    EXPECT_EQ(drill.program.Run.MissCount, 0);
    EXPECT_EQ(drill.program.Run.CorrectCount, 1);
    EXPECT_EQ(drill.memo(), "");
    EXPECT_EQ(drill.label(1), rateCaption("100.00"));
    EXPECT_EQ(drill.platform.beeps, beeps);
    EXPECT_EQ(drill.platform.messages.size(), 1u);
}

} // namespace
