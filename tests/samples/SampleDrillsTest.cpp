#include <gtest/gtest.h>

#include <algorithm>

#include "fake/Drill.h"
#include "fake/SampleFiles.h"
#include "questions/ChoicesLine.h"
#include "run/Presentation.h"

namespace {

struct Sample {
    std::string file, base;
    int questions, blanks;         // blanks: the correct answers of a run without a miss
    std::string pictures;          // the picture base, empty when the drill has no pictures
    bool spoken;                   // every question has its wave file
    std::string translation;       // of question 1, empty when the drill has no translation file
    std::string instruction, skip; // the start of the instruction line, the text the skip label shows
    bool keepOrder;
};

// The directives drill sets every value by its own lines: /G, /V, /Y, /T (the upper of two), /S and /R.
const Sample Samples[] = {
    {"eigo.m7", "eigo", 8, 15, "", true, "私は学生です。", "空所に入る正しい", "  0:00", false},
    {"kanji.m7", "kanji", 6, 11, "kanji", false, "", "漢字の音読み", "  0:00", false},
    {"directives.m7", "shiji", 4, 7, "katachi", true, "この図形は三角形です。", "図形の名前を", "-", true},
    {"choices17.m7", "kazu", 7, 11, "", false, "", "答えの数を", "  0:00", false},
    {"joshi.m7", "joshi", 5, 7, "", false, "I am a student.", "空所に入る助詞を選びなさい（キーは 1～4）", "  0:00",
     false},
};

void PrintTo(const Sample& sample, std::ostream* out) {
    *out << sample.file;
}

void openSample(Drill& drill, const std::string& file) {
    loadSampleFiles(drill.platform, QM7_SAMPLES_DIR);
    drill.open(file);
}

// Answers the blank the memo has selected, which must be a whole run of "_".
void answerRight(Drill& drill) {
    const std::string selected = drill.program.Mn1.Toi.selectedText();
    EXPECT_TRUE(!selected.empty() && selected.find_first_not_of('_') == std::string::npos) << decodeCp932(selected);
    drill.press(static_cast<std::uint16_t>(drill.key()));
}

void expectCongratulationAndOneRecord(Drill& drill, const Sample& sample, int correct, int misses) {
    auto digits = [](int n) { return std::to_string(1000 + n).substr(1); };
    EXPECT_EQ(drill.program.Phase, RunPhase::Finished);
    EXPECT_TRUE(drill.platform.errors.empty());
    EXPECT_EQ(drill.platform.messages, std::vector{sjis("おめでとう！ すべて終了しました！")});
    const std::string log = drill.platform.files[drill.logPath()];
    ASSERT_GE(log.size(), 24u);
    EXPECT_EQ(log.find("\r\n"), log.size() - 2) << "exactly one record";
    EXPECT_EQ(log.substr(24), digits(sample.questions) + digits(correct) + digits(misses) + digits(sample.questions) +
                                  sample.base + "\r\n");
}

class SampleDrill : public testing::TestWithParam<Sample> {};

TEST_P(SampleDrill, OpensWithoutABoxAndRunsToTheCongratulation) {
    const Sample& sample = GetParam();
    Drill drill;
    openSample(drill, sample.file);
    const TMn1& window = drill.program.Mn1;
    const RunState& run = drill.program.Run;
    ASSERT_TRUE(drill.platform.messages.empty() && drill.platform.errors.empty());
    ASSERT_EQ(run.QuestionTotal, sample.questions);
    EXPECT_EQ(window.LbMondai.caption().rfind(sjis(sample.instruction), 0), 0u)
        << decodeCp932(window.LbMondai.caption());
    EXPECT_EQ(window.LbSkip.caption(), sample.skip);
    EXPECT_EQ(window.SpdBtn7.visible() ? window.TranslationLines.get(1) : "", sjis(sample.translation));
    // No directive line is left, every "#" separates two choices and every byte decodes.
    for (const std::string& line : window.FileLines.lines()) {
        EXPECT_NE(line.substr(0, 1), "/") << decodeCp932(line);
        if (line.substr(0, 1) == "#") {
            EXPECT_EQ(SplitChoices(line).size(), static_cast<std::size_t>(std::count(line.begin(), line.end(), '#')));
        }
        EXPECT_EQ(decodeCp932(line).find("\uFFFD"), std::string::npos) << decodeCp932(line);
    }

    for (int presses = 0; presses < 100 && drill.program.Phase == RunPhase::Asking; ++presses) {
        std::string number = TwoDigitNumber(run.CurrentQuestion);
        EXPECT_EQ(window.GF1.visible() ? window.GF1.picture() : "",
                  sample.pictures.empty() ? "" : sample.pictures + number + ".bmp");
        EXPECT_EQ(window.SpdBtn6.visible(), sample.spoken) << "question " << number;
        answerRight(drill);
    }
    expectCongratulationAndOneRecord(drill, sample, sample.blanks, 0);
    EXPECT_EQ(drill.platform.randomRanges.empty(), sample.keepOrder);
}

INSTANTIATE_TEST_SUITE_P(Samples, SampleDrill, testing::ValuesIn(Samples),
                         [](const testing::TestParamInfo<Sample>& info) { return info.param.base; });

TEST(SampleDrills, EigoWithAHintAMissAndASkip) {
    Drill drill;
    openSample(drill, "eigo.m7");
    const RunState& run = drill.program.Run;
    const TMn1& window = drill.program.Mn1;
    RunHandler(drill.program, SpdBtn7Click);
    EXPECT_EQ(window.Yaku.caption(), sjis("私は学生です。"));

    // A miss on question 1 keeps it pending after the right answer.
    drill.press(drill.key() == '1' ? '2' : '1');
    EXPECT_EQ(window.kakunin.caption(), "NG");
    drill.press(static_cast<std::uint16_t>(drill.key())); // the wrong choice stands in the blank now
    ASSERT_EQ(run.CurrentQuestion, 2);

    // Question 2 answered halfway, then skipped: it comes back from its first blank.
    answerRight(drill);
    RunHandler(drill.program, SpdBtn3Click);
    EXPECT_EQ(run.CurrentQuestion, 3);
    EXPECT_EQ(window.LbHead1B.caption(), "0/8");

    for (int presses = 0; presses < 100 && drill.program.Phase == RunPhase::Asking; ++presses)
        answerRight(drill);
    // Fifteen blanks, plus question 1 again after its miss and the skipped blank again.
    expectCongratulationAndOneRecord(drill, Samples[0], 17, 1);
    EXPECT_EQ(window.LbHead1B.caption(), "8/8");
}

} // namespace
