#include <gtest/gtest.h>

#include "fake/RunFixtures.h"
#include "run/ChoiceOrder.h"

namespace {

std::vector<std::string> shownChoices(RunDrill& drill) {
    std::vector<std::string> shown;
    for (int k = 1; k <= drill.program.Run.ChoiceCount; ++k)
        shown.push_back(drill.label(k));
    return shown;
}

// Answers every blank with the key the program expects and returns the memo as it stands when the
// question is complete (read in the first wait, before the next question replaces it).
std::string answerAllBlanks(RunDrill& drill) {
    std::string completed;
    drill.duringWait([&] { completed = drill.memo(); });
    int question = drill.program.Run.CurrentQuestion;
    for (int blank = 0; blank < 17 && drill.program.Run.CurrentQuestion == question && completed.empty(); ++blank)
        drill.answerRight();
    return completed;
}

const Question TwoBlanks{{"[___][___]"}, "#a#b#c#d", "2 4"};

TEST(ShuffleKey, MovesTheFirstKeyAndKeepsTheSecondOnItsText) {
    RunDrill drill;
    drill.platform.drawChoice(4);
    drill.openQuestions({TwoBlanks, simpleQuestion(2)});
    EXPECT_EQ(shownChoices(drill), (std::vector<std::string>{"a", "d", "c", "b"}));
    EXPECT_EQ(drill.program.Run.AnswerKey, "4");
    EXPECT_EQ(drill.program.Run.AnswerLine, "2");
    EXPECT_EQ(drill.platform.randomRanges, std::vector<std::int32_t>{4});
    EXPECT_EQ(answerAllBlanks(drill), "[b][d]\r\n");
    EXPECT_EQ(drill.program.Run.MissCount, 0);
    // One draw per presented question, none for the second blank.
    EXPECT_EQ(drill.platform.randomRanges.size(), 2u);
}

TEST(ShuffleKey, DrawOfTheKeyItselfMovesNothing) {
    RunDrill drill;
    drill.platform.drawChoice(2);
    drill.openQuestions({TwoBlanks});
    EXPECT_EQ(shownChoices(drill), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(drill.program.Run.AnswerKey, "2");
    EXPECT_EQ(drill.program.Run.AnswerLine, "4");
}

TEST(ShuffleKey, LettersNameChoicesTenAndAbove) {
    {
        RunDrill drill;
        drill.platform.drawChoice(12);
        drill.openQuestions({{{"___"}, numberedChoices(12), "1"}});
        EXPECT_EQ(drill.program.Run.AnswerKey, "C");
        EXPECT_EQ(drill.label(12), "c1");
        EXPECT_EQ(drill.label(1), "c12");
    }
    {
        RunDrill drill;
        drill.platform.drawChoice(1);
        drill.openQuestions({{{"___"}, numberedChoices(12), "C"}});
        EXPECT_EQ(drill.program.Run.AnswerKey, "1");
        EXPECT_EQ(drill.label(1), "c12");
        EXPECT_EQ(drill.label(12), "c1");
    }
}

TEST(ShuffleKey, KeepOrderUsesTheKeysAsWritten) {
    RunDrill drill;
    drill.openQuestions({{{"___ ___"}, "#a#b#c#d", "3 1"}}, {"/R"});
    EXPECT_EQ(drill.program.Run.AnswerKey, "3");
    EXPECT_EQ(drill.program.Run.AnswerLine, "1");
    EXPECT_EQ(shownChoices(drill), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_TRUE(drill.platform.randomRanges.empty());
}

TEST(ShuffleKey, SingleLabelLeavesNoFurtherBlank) {
    RunDrill drill;
    drill.platform.drawChoice(3);
    drill.openQuestions({{{"___ ___"}, "#a#b#c#d", "2"}, simpleQuestion(2)});
    EXPECT_EQ(drill.program.Run.AnswerLine, "");
    drill.answerRight();
    EXPECT_EQ(drill.program.Run.CurrentQuestion, 2);
}

// A key that names the same choice twice, or comes back to a choice, must still show each blank's
// own text whichever position the draw gives the first key.
TEST(ShuffleKey, RepeatedKeysKeepEveryBlankOnItsOwnText) {
    struct Case {
        std::string answer;
        std::string text;
        std::string completed;
    };
    const std::vector<Case> cases = {
        {"2 2", "[___][___]", "[b][b]\r\n"},
        {"1 2 1", "[___][___][___]", "[a][b][a]\r\n"},
        {"4 1 4 2", "[___][___][___][___]", "[d][a][d][b]\r\n"},
    };
    for (const Case& c : cases) {
        for (int draw = 1; draw <= 4; ++draw) {
            SCOPED_TRACE(c.answer + ", draw " + std::to_string(draw));
            RunDrill drill;
            drill.platform.drawChoice(draw);
            drill.openQuestions({{{c.text}, "#a#b#c#d", c.answer}, simpleQuestion(2)});
            EXPECT_EQ(answerAllBlanks(drill), c.completed);
            EXPECT_EQ(drill.program.Run.MissCount, 0);
            EXPECT_EQ(drill.program.Run.CorrectCount, static_cast<int>(c.answer.size() + 1) / 2);
        }
    }
}

TEST(SelectBlank, SelectsTheFirstRunOfUnderscores) {
    struct Case {
        std::string text;
        int start;
        int length;
    };
    const std::vector<Case> cases = {
        {"0123456789___ end", 10, 3},
        {"x" + std::string(60, '_'), 1, 50},
        // "ダ" = 0x83 0x5F: its second byte is no blank.
        {"ダ_", 2, 1},
    };
    ASSERT_EQ(sjis("ダ"), "\x83\x5F");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        RunDrill drill;
        drill.openQuestions({{{c.text}, "#a#b", "1"}});
        EXPECT_EQ(drill.program.Mn1.Toi.selStart(), c.start);
        EXPECT_EQ(drill.program.Mn1.Toi.selLength(), c.length);
        EXPECT_EQ(drill.program.Run.BlankStart, c.start);
        EXPECT_EQ(drill.program.Mn1.focused(), &drill.program.Mn1.Toi);
    }
}

TEST(SelectBlank, WithoutABlankNothingIsSelectedAndTheFocusStillMoves) {
    {
        SCOPED_TRACE("question without a blank, after the Enter button had the focus");
        RunDrill drill;
        drill.openQuestions({simpleQuestion(1), {{"no blank here"}, "#a#b", "1"}});
        drill.answerWrong();
        drill.answerRight(); // the acknowledgement loop gives the focus to Enter
        ASSERT_EQ(drill.program.Run.CurrentQuestion, 2);
        EXPECT_EQ(drill.program.Mn1.Toi.selLength(), 0);
        EXPECT_EQ(drill.program.Run.BlankStart, drill.program.Mn1.Toi.selStart());
        EXPECT_EQ(drill.program.Mn1.focused(), &drill.program.Mn1.Toi);
    }
    {
        SCOPED_TRACE("answer line with more keys than the text has blanks");
        RunDrill drill;
        drill.openQuestions({{{"A___B"}, "#xy#z", "1 2"}}, {"/R"});
        drill.click(1);
        EXPECT_EQ(drill.memo(), "AxyB\r\n");
        EXPECT_EQ(drill.program.Run.AnswerKey, "2");
        EXPECT_EQ(drill.program.Mn1.Toi.selLength(), 0);
        EXPECT_EQ(drill.program.Run.BlankStart, drill.program.Mn1.Toi.selStart());
    }
}

TEST(NextPendingQuestion, SearchesOnwardThenFromTheFirst) {
    FakePlatform platform;
    Program program{platform};
    RunState& run = program.Run;
    run.QuestionTotal = 5;
    run.Table.pending(2) = 2;
    run.Table.pending(5) = 5;
    EXPECT_EQ(NextPendingQuestion(program, 3), 5);
    EXPECT_EQ(NextPendingQuestion(program, 5), 2);
    EXPECT_EQ(NextPendingQuestion(program, 2), 5);

    run.Table.pending(2) = 0;
    run.Table.pending(5) = 0;
    run.Table.pending(4) = 4;
    EXPECT_EQ(NextPendingQuestion(program, 4), 4);
    EXPECT_EQ(run.PreviousQuestion, 4);

    run.Table.pending(4) = 0;
    EXPECT_EQ(NextPendingQuestion(program, 3), 0);
    EXPECT_EQ(run.PreviousQuestion, 3);
}

} // namespace
