#include <gtest/gtest.h>

#include "fake/Drill.h"

namespace {

// A miss on question 2 and a skip of question 3: the review names both, the retry asks only them, with
// their own picture and translation line, and its record counts the two questions it practised.
TEST(Review, MissedQuestionsAreShownAndPractisedAgain) {
    Drill drill;
    drill.platform.files["q02.bmp"] = "BM";
    drill.platform.pictures["q02.bmp"] = {32, 32};
    drill.writeFile("qjp.txt", {"Title", "one", "two", "three"});
    drill.openQuestions(questionBlocks(3));
    const TMn1& window = drill.program.Mn1;
    drill.answerRight();
    drill.answerWrong(); // "b" for question 2
    drill.answerRight();
    drill.skip(); // question 3
    while (drill.program.Phase == RunPhase::Asking)
        drill.answerRight();
    EXPECT_EQ(drill.memo(),
              sjis("間違えた問題とスキップした問題:\r\n\r\n【2】\r\nQ2 a\r\n  空欄1の誤答: b\r\n  訳: two\r\n"
                   "\r\n【3】 スキップ\r\nQ3 a\r\n  訳: three\r\n"));
    EXPECT_TRUE(window.SpdBtn9.enabled());

    drill.command(SpdBtn9Click);
    EXPECT_EQ(window.No.caption() + " " + window.GF1.picture() + " " + window.LbHead1B.caption(), "2 q02.bmp 1/3");
    drill.hint();
    EXPECT_EQ(window.Yaku.caption(), "two");
    drill.answerRight();
    EXPECT_EQ(window.No.caption(), "3");
    drill.answerRight();
    EXPECT_EQ(drill.program.Phase, RunPhase::Finished);
    EXPECT_EQ(drill.memo(), "");
    EXPECT_FALSE(window.SpdBtn9.enabled());
    LineList log;
    log.loadFromFile(drill.platform, drill.logPath());
    ASSERT_EQ(log.count(), 2);
    EXPECT_EQ(log.get(0).substr(24, 3) + log.get(1).substr(24, 3) + log.get(1).substr(33), "003002002q");

    // A new Open forgets what the last run missed.
    drill.openQuestions(questionBlocks(1));
    drill.answerWrong();
    drill.answerRight();
    EXPECT_TRUE(window.SpdBtn9.enabled());
    drill.openQuestions(questionBlocks(1));
    EXPECT_FALSE(window.SpdBtn9.enabled());
}

} // namespace
