#include <gtest/gtest.h>

#include <map>
#include <tuple>

#include "fake/Drill.h"

namespace {

// Opens `body` under the base line "b", with bjp.txt and other.txt beside it and one record in the log.
void openBeside(Drill& drill, const std::vector<std::string>& body) {
    drill.platform.files[drill.logPath()] = "261206 005058-010203,600020023003020abc\r\n";
    drill.writeFile("bjp.txt", {"head", "default"});
    drill.writeFile("other.txt", {"head", "other"});
    drill.openQuestions(body, "b");
}

// What the directives set, by their codes, and the body ("B") left after them.
std::map<char, std::string> directiveValues(const Drill& drill) {
    const RunState& run = drill.program.Run;
    const TMn1& window = drill.program.Mn1;
    return {{'G', run.PictureBase},
            {'V', run.ListenBase},
            {'T', window.LbMondai.caption()},
            {'S', window.LbSkip.caption()},
            {'Y', window.TranslationLines.get(1)},
            {'B', window.FileLines.text()}};
}

TEST(IndexQuestions, DirectivesAnywhereAreAppliedTopmostWinningAndRemoved) {
    const std::string question = "I ___ it.\r\n#a#b\r\n1\r\n";
    // The lines above and below the one question, and a value they set.
    const std::tuple<std::vector<std::string>, std::vector<std::string>, char, std::string> cases[] = {
        {{"/Gpics"}, {}, 'G', "pics"},
        {{"/G pics"}, {}, 'G', " pics"}, // no blank is skipped
        {{"/Tupper", "/Tlower"}, {}, 'T', "upper"},
        {{"/T" + std::string(300, 'v')}, {}, 'T', std::string(255, 'v')},
        {{"/Tokyo is big."}, {}, 'T', "okyo is big."},
        {{"/Tokyo is big.", "//c", "/N"}, {}, 'B', question},
        // Other codes, a lower-case code and a lone "/" are question text.
        {{"/X abc", "/t abc", "/"}, {}, 'B', "/X abc\r\n/t abc\r\n/\r\n" + question},
        {{"/Ymissing.txt"}, {}, 'Y', "default"},
        {{"/Ymissing.txt", "/Yother.txt"}, {}, 'Y', "other"}, // the /Y below stays in force
        {{"/S"}, {}, 'S', ""},                                // clears the time text the totals have just written
        {{}, {"/Vsnd", ""}, 'V', "snd"}};                     // below the last answer line
    for (const auto& [above, below, code, value] : cases) {
        std::vector<std::string> body = above;
        body.insert(body.end(), {"I ___ it.", "#a#b", "1"});
        body.insert(body.end(), below.begin(), below.end());
        Drill drill;
        openBeside(drill, body);
        EXPECT_EQ(drill.program.Phase, RunPhase::Asking);
        EXPECT_EQ(directiveValues(drill).at(code), value) << code;
    }
}

// Trailing empty lines, or one between the last choices line and its answer, change nothing.
TEST(IndexQuestions, TableOfQuestionsStartingAt0_3_7) {
    const std::vector<std::string> body = {"a ___", "#x#y", "1", "b", "c ___", "#x#y", "2", "d ___", "#x#y", "1"};
    std::vector<std::string> padded = body, gap = body;
    padded.insert(padded.end(), {"", ""});
    gap.insert(gap.end() - 1, "");
    for (const auto& lines : {body, padded, gap}) {
        Drill drill;
        openBeside(drill, lines);
        const QuestionTable& table = drill.program.Run.Table;
        EXPECT_EQ(drill.program.Mn1.FileLines.lines(), body);
        EXPECT_EQ(std::vector<int>(table.startRow.begin(), table.startRow.begin() + 4), (std::vector{0, 3, 7, 0}));
        EXPECT_EQ(drill.program.Run.QuestionTotal, 3);
    }
}

} // namespace
