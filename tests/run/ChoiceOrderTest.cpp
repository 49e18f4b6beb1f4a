#include <gtest/gtest.h>

#include "fake/Drill.h"
#include "run/ChoiceOrder.h"

namespace {

TEST(ShuffleKey, DrawExchangesTheFirstKeysChoice) {
    // Question, draw (0: the file keeps its order), the key asked, the keys left, the choices shown.
    using Case = std::tuple<std::vector<std::string>, int, std::string, std::string, std::string>;
    for (const auto& [body, draw, key, rest, shown] : std::vector<Case>{
             {{"[___][___]", "#a#b#c#d", "2 4"}, 4, "4", "2", "a d c b"},
             {{"[___][___]", "#a#b#c#d", "2 4"}, 2, "2", "4", "a b c d"},
             {{"___", "#1#2#3#4#5#6#7#8#9#10#11#12", "1"}, 12, "C", "", "12 2 3 4 5 6 7 8 9 10 11 1"},
             {{"/R", "___ ___", "#a#b#c#d", "3 1  "}, 0, "3", "1", "a b c d"}, // trailing blanks dropped
             {{"___ ___", "#a#b#c#d", "2"}, 3, "3", "", "a c b d"},            // a single label: no further blank
         }) {
        SCOPED_TRACE(body.back() + " draw " + std::to_string(draw));
        Drill drill;
        if (draw)
            drill.platform.drawChoice(draw);
        drill.openQuestions(body);
        std::string labels = drill.label(1);
        for (int k = 2; k <= drill.program.Run.ChoiceCount; ++k)
            labels += " " + drill.label(k);
        EXPECT_EQ(labels, shown);
        EXPECT_EQ(std::tie(drill.program.Run.AnswerKey, drill.program.Run.AnswerLine), std::tie(key, rest));
        EXPECT_EQ(drill.platform.randomRanges, std::vector<std::int32_t>(draw ? 1 : 0, drill.program.Run.ChoiceCount));
    }
}

// Whichever choice the draw gives the first key, every blank shows its own text, also when the keys
// repeat a choice; later blanks draw nothing.
TEST(ShuffleKey, EveryBlankKeepsItsOwnTextForEveryDraw) {
    for (auto [text, answer, completed] : std::vector<std::tuple<std::string, std::string, std::string>>{
             {"[___][___]", "2 4", "[b][d]\r\n"},
             {"[___][___]", "2 2", "[b][b]\r\n"},
             {"[___][___][___]", "1 2 1", "[a][b][a]\r\n"}}) {
        for (int draw = 1; draw <= 4; ++draw) {
            SCOPED_TRACE(answer + " draw " + std::to_string(draw));
            Drill drill;
            drill.platform.drawChoice(draw);
            drill.openQuestions({text, "#a#b#c#d", answer, "Q2 ___", "#a#b", "1"});
            std::string memo;
            drill.duringWait([&] { memo = drill.memo(); });
            while (drill.program.Run.CurrentQuestion == 1)
                drill.answerRight();
            EXPECT_EQ(memo, completed);
            EXPECT_EQ(drill.program.Run.MissCount, 0);
            EXPECT_EQ(drill.platform.randomRanges.size(), 2u);
            EXPECT_EQ(drill.platform.waits, std::vector<std::uint32_t>{800}); // only the last blank completes
        }
    }
}

TEST(SelectBlank, SelectsTheFirstRunOfUnderscoresUpToFifty) {
    ASSERT_EQ(sjis("ダ"), "\x83\x5F"); // its second byte is no blank
    for (auto [text, start, length] : std::vector<std::tuple<std::string, int, int>>{
             {"0123456789___ end", 10, 3}, {"x" + std::string(60, '_'), 1, 50}, {"ダ_", 2, 1}, {"no blank", 0, 0}}) {
        SCOPED_TRACE(text);
        Drill drill;
        drill.program.Mn1.setFocus(drill.program.Mn1.BtnNext);
        drill.openQuestions({text, "#a#b", "1"});
        const TMn1& w = drill.program.Mn1;
        EXPECT_EQ(std::make_tuple(w.Toi.selStart(), w.Toi.selLength(), drill.program.Run.BlankStart),
                  std::make_tuple(start, length, start));
        EXPECT_EQ(drill.program.Mn1.focused(), &drill.program.Mn1.Toi);
    }
}

} // namespace
