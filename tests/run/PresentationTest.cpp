#include <gtest/gtest.h>

#include "fake/RunFixtures.h"
#include "run/Presentation.h"

namespace {

TEST(Presentation, ProgressGrowsOnlyForQuestionsAnsweredWithoutAMiss) {
    RunDrill drill;
    drill.openQuestions(simpleQuestions(3));
    TMn1& window = drill.program.Mn1;
    EXPECT_EQ(window.LbHead1B.caption(), "0/3");
    EXPECT_EQ(window.shGauge2.width(), 0);

    drill.answerRight(); // question 1 leaves the rotation
    EXPECT_EQ(drill.program.Run.CurrentQuestion, 2);
    EXPECT_EQ(window.LbHead1B.caption(), "1/3");
    EXPECT_EQ(window.shGauge2.width(), 142); // 428 / 3, truncated
    EXPECT_EQ(drill.pending(1), 0);

    drill.answerWrong();
    drill.answerRight(); // question 2 had a miss and stays
    EXPECT_EQ(drill.program.Run.CurrentQuestion, 3);
    EXPECT_EQ(window.LbHead1B.caption(), "1/3");
    EXPECT_EQ(window.shGauge2.width(), 142);
    EXPECT_EQ(drill.pending(2), 2);
    EXPECT_EQ(window.kakunin.caption(), "--");
    EXPECT_EQ(window.kakunin.color(), colors::yellow);

    drill.skip(); // question 3 stays as well
    EXPECT_EQ(drill.program.Run.CurrentQuestion, 2);
    EXPECT_EQ(window.LbHead1B.caption(), "1/3");
    EXPECT_EQ(drill.pending(3), 3);

    drill.answerRight();
    EXPECT_EQ(window.LbHead1B.caption(), "2/3");
    EXPECT_EQ(window.shGauge2.width(), 285); // 856 / 3, truncated
    EXPECT_EQ(drill.pending(2), 0);
}

TEST(Presentation, MediaNamesUseTheTwoDigitQuestionNumber) {
    RunDrill drill;
    drill.platform.files["pics/p07.bmp"] = "BM";
    drill.platform.pictures["pics/p07.bmp"] = {40, 30};
    drill.platform.files["pics/p10.bmp"] = "BM";
    drill.platform.pictures["pics/p10.bmp"] = {40, 30};
    drill.platform.files["snd/s07.wav"] = "RIFF";
    drill.platform.files["snd/s10.wav"] = "RIFF";
    // Without the leading zero this one would be shown for question 7.
    drill.platform.files["pics/p7.bmp"] = "BM";
    drill.platform.pictures["pics/p7.bmp"] = {40, 30};
    drill.openQuestions(simpleQuestions(10), {"/Gpics/p", "/Vsnd/s"});
    TMn1& window = drill.program.Mn1;

    for (int n = 1; n < 7; ++n) {
        EXPECT_FALSE(window.GF1.visible()) << n;
        EXPECT_FALSE(window.SpdBtn6.visible()) << n;
        drill.answerRight();
    }
    EXPECT_EQ(window.No.caption(), "7");
    EXPECT_TRUE(window.GF1.visible());
    EXPECT_EQ(window.GF1.picture(), "pics/p07.bmp");
    EXPECT_TRUE(window.SpdBtn6.visible());

    for (int n = 7; n < 10; ++n)
        drill.answerRight();
    EXPECT_EQ(window.No.caption(), "10");
    EXPECT_EQ(window.GF1.picture(), "pics/p10.bmp");
    EXPECT_TRUE(window.SpdBtn6.visible());
}

TEST(Presentation, PictureInItsOwnSizeOrHiddenWhenMissingOrUnreadable) {
    RunDrill drill;
    drill.platform.files["q01.bmp"] = "BM";
    drill.platform.pictures["q01.bmp"] = {64, 48};
    // Question 2 has none; question 3's file exists but is no bitmap.
    drill.platform.files["q03.bmp"] = "not a bitmap";
    drill.platform.unreadable.insert("q03.bmp");
    drill.openQuestions(simpleQuestions(4));
    Control& picture = drill.program.Mn1.GF1;

    EXPECT_TRUE(picture.visible());
    EXPECT_EQ(picture.top(), 220);
    EXPECT_EQ(picture.width(), 64);
    EXPECT_EQ(picture.height(), 48);
    EXPECT_TRUE(picture.autoSize());
    EXPECT_EQ(picture.left(), 512);

    for (int n = 2; n <= 3; ++n) {
        SCOPED_TRACE(n);
        drill.answerRight();
        EXPECT_FALSE(picture.visible());
        EXPECT_EQ(picture.top(), 350);
        EXPECT_EQ(picture.height(), 15);
        EXPECT_FALSE(picture.autoSize());
        EXPECT_EQ(picture.left(), 512);
    }
    EXPECT_TRUE(drill.platform.errors.empty());
}

TEST(Presentation, TwoChoicesShowOnlyTheFirstTwoButtons) {
    RunDrill drill;
    // A question with every button shown comes first, so that the second has to clear them.
    drill.openQuestions({{{"___"}, numberedChoices(17), "1"}, {{"___"}, "#yes#no", "1"}}, {"/R"});
    ASSERT_TRUE(drill.program.Mn1.Sel(17).visible());
    drill.answerRight();

    EXPECT_TRUE(drill.program.Mn1.Sel(1).visible());
    EXPECT_TRUE(drill.program.Mn1.Sel(2).visible());
    EXPECT_EQ(drill.label(1), "yes");
    EXPECT_EQ(drill.label(2), "no");
    for (int k = 3; k <= 17; ++k) {
        EXPECT_FALSE(drill.program.Mn1.Sel(k).visible()) << k;
        EXPECT_EQ(drill.label(k), "") << k;
    }
}

TEST(Presentation, ColumnsStartRightOfTheWidestTextOfTheColumnBefore) {
    {
        SCOPED_TRACE("eight choices, widest of the first six 12 bytes");
        RunDrill drill;
        // The 20-byte seventh choice is not measured for column 2, and the draw that moves the
        // 12-byte choice into column 2 does not move the column again.
        drill.platform.drawChoice(8);
        drill.openQuestions({{{"___"}, "#a#bb#abcdefghijkl#d#e#f#twentybytesxxxxxxxxx#h", "3"}});
        EXPECT_EQ(drill.label(8), "abcdefghijkl");
        for (int k = 7; k <= 12; ++k) {
            EXPECT_EQ(drill.program.Mn1.Sel(k).left(), 181) << k;
            EXPECT_EQ(drill.program.Mn1.Label(k).left(), 213) << k;
        }
        EXPECT_TRUE(drill.program.Mn1.Sel(8).visible());
        EXPECT_FALSE(drill.program.Mn1.Sel(9).visible());
    }
    {
        SCOPED_TRACE("exactly six choices");
        RunDrill drill;
        drill.openQuestions({{{"___"}, "#a#b#abc#d#e#f", "1"}});
        EXPECT_EQ(drill.program.Mn1.Sel(7).left(), 16 + 25 + 20 + 30);
        EXPECT_EQ(drill.program.Mn1.Label(7).left(), 16 + 25 + 20 + 30 + 32);
        EXPECT_FALSE(drill.program.Mn1.Sel(7).visible());
    }
    {
        SCOPED_TRACE("seventeen choices fill three columns");
        RunDrill drill;
        drill.openQuestions(
            {{{"___"}, "#a#bbbbb#c#d#e#f#g#h#iiiiiiii#j#k#l#this one is thirty bytes long!#n#o#p#q", "1"}}, {"/R"});
        int column2 = 16 + 25 + 20 + 50;
        int column3 = column2 + 25 + 20 + 80;
        EXPECT_EQ(drill.program.Mn1.Sel(12).left(), column2);
        for (int k = 13; k <= 17; ++k) {
            EXPECT_EQ(drill.program.Mn1.Sel(k).left(), column3) << k;
            EXPECT_EQ(drill.program.Mn1.Label(k).left(), column3 + 32) << k;
            EXPECT_TRUE(drill.program.Mn1.Sel(k).visible()) << k;
        }
        EXPECT_EQ(drill.label(17), "q");
    }
}

TEST(Presentation, QuestionTextAndAnswerLineAsTheFileHasThem) {
    RunDrill drill;
    drill.openQuestions({{{"line one", "line two ___", "line three"}, "#a#b#c#d", "3 1  "},
                         {{"x"}, "#a#" + std::string(300, 'z'), "1"}});
    EXPECT_EQ(drill.memo(), "line one\r\nline two ___\r\nline three\r\n");

    // Presented once more, before the first key is taken: only the trailing blanks are gone.
    PresentQuestion(drill.program, 1);
    EXPECT_EQ(drill.program.Run.AnswerLine, "3 1");
    EXPECT_EQ(drill.program.Run.ChoiceCount, 4);

    // A last choice over 254 bytes shows only its first 254.
    drill.skip();
    EXPECT_EQ(drill.program.Run.CurrentQuestion, 2);
    EXPECT_EQ(drill.label(2), std::string(254, 'z'));
}

} // namespace
