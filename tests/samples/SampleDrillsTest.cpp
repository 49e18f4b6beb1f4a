#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "fake/Drill.h"
#include "fake/SampleFiles.h"
#include "questions/ChoicesLine.h"
#include "run/Presentation.h"

namespace {

struct SampleDrill {
    std::string file;
    std::string base;
    int questions;
    int blanks; // labels of all answer lines: the correct answers of a run without a miss
    bool spoken;
    bool pictured;
    bool translated;
};

const SampleDrill Eigo{"eigo.m7", "eigo", 8, 15, true, false, true};
const SampleDrill Kanji{"kanji.m7", "kanji", 6, 11, false, true, false};
const SampleDrill Directives{"directives.m7", "shiji", 4, 7, true, true, true};
const SampleDrill Choices17{"choices17.m7", "kazu", 7, 11, false, false, false};

std::string congratulation() {
    return sjis("おめでとう！ すべて終了しました！");
}

// Boxes shown, readable in a failure message.
std::string shown(const std::vector<std::string>& boxes) {
    std::string text;
    for (const std::string& box : boxes)
        text += "[" + decodeCp932(box) + "] ";
    return text;
}

std::string threeDigits(int n) {
    std::string text = std::to_string(n);
    return std::string(3 - std::min<std::size_t>(3, text.size()), '0') + text;
}

// Opens a sample drill from the samples folder, with every companion file beside it.
void openSample(Drill& drill, const SampleDrill& sample) {
    loadSampleFiles(drill.platform, QM7_SAMPLES_DIR);
    drill.open(sample.file);
}

// The selection of the memo is a whole run of "_": the blank the key is meant for.
void expectBlankSelected(const Drill& drill) {
    const Memo& memo = drill.program.Mn1.Toi;
    std::string selected = memo.selectedText();
    EXPECT_FALSE(selected.empty()) << "question " << drill.program.Run.CurrentQuestion;
    EXPECT_EQ(selected.find_first_not_of('_'), std::string::npos) << decodeCp932(selected);
    if (memo.selStart() > 0) {
        EXPECT_NE(memo.caption()[static_cast<std::size_t>(memo.selStart() - 1)], '_');
    }
}

void answerRight(Drill& drill) {
    expectBlankSelected(drill);
    drill.press(static_cast<std::uint16_t>(drill.key()));
}

// Answers every blank correctly until the run ends.
void answerToTheEnd(Drill& drill) {
    for (int presses = 0; presses < 100 && drill.program.Phase == RunPhase::Asking; ++presses)
        answerRight(drill);
    EXPECT_EQ(drill.program.Phase, RunPhase::Finished);
}

// A choice never runs into the next one: every "#" of a choices line separates two choices.
void expectEveryChoiceSeparated(const Drill& drill) {
    for (const std::string& line : drill.program.Mn1.FileLines.lines()) {
        if (!line.empty() && line[0] == '#') {
            EXPECT_EQ(SplitChoices(line).size(), static_cast<std::size_t>(std::count(line.begin(), line.end(), '#')))
                << decodeCp932(line);
        }
    }
}

void expectCongratulatedWithOneRecord(Drill& drill, const SampleDrill& sample, int correct, int misses) {
    EXPECT_TRUE(drill.platform.errors.empty()) << shown(drill.platform.errors);
    ASSERT_EQ(drill.platform.messages.size(), 1u) << shown(drill.platform.messages);
    EXPECT_EQ(drill.platform.messages[0], congratulation());
    std::string log = drill.platform.files[drill.logPath()];
    ASSERT_GE(log.size(), 38u);
    EXPECT_EQ(log.find("\r\n"), log.size() - 2) << "exactly one record";
    std::string questions = threeDigits(sample.questions);
    EXPECT_EQ(log.substr(24),
              questions + threeDigits(correct) + threeDigits(misses) + questions + sample.base + "\r\n");
}

class EverySampleDrill : public testing::TestWithParam<SampleDrill> {};

TEST_P(EverySampleDrill, OpensWithItsMediaAndRunsToTheCongratulation) {
    const SampleDrill& sample = GetParam();
    Drill drill;
    openSample(drill, sample);
    ASSERT_TRUE(drill.platform.errors.empty()) << shown(drill.platform.errors);
    ASSERT_TRUE(drill.platform.messages.empty()) << shown(drill.platform.messages);
    ASSERT_EQ(drill.program.Phase, RunPhase::Asking);
    EXPECT_EQ(drill.program.Run.QuestionTotal, sample.questions);
    EXPECT_EQ(drill.program.Mn1.SpdBtn7.visible(), sample.translated);
    expectEveryChoiceSeparated(drill);

    const TMn1& window = drill.program.Mn1;
    const RunState& run = drill.program.Run;
    for (int presses = 0; presses < 100 && drill.program.Phase == RunPhase::Asking; ++presses) {
        std::string number = TwoDigitNumber(run.CurrentQuestion);
        EXPECT_EQ(window.SpdBtn6.visible(), sample.spoken) << "question " << number;
        EXPECT_EQ(window.GF1.visible(), sample.pictured) << "question " << number;
        if (sample.pictured) {
            EXPECT_EQ(window.GF1.picture(), run.PictureBase + number + ".bmp");
            EXPECT_EQ(window.GF1.width(), 100);
            EXPECT_EQ(window.GF1.height(), 80);
        }
        answerRight(drill);
    }
    EXPECT_EQ(drill.program.Phase, RunPhase::Finished);
    expectCongratulatedWithOneRecord(drill, sample, sample.blanks, 0);
}

INSTANTIATE_TEST_SUITE_P(Samples, EverySampleDrill, testing::Values(Eigo, Kanji, Directives, Choices17),
                         [](const testing::TestParamInfo<SampleDrill>& info) {
                             std::string name = info.param.file.substr(0, info.param.file.find('.'));
                             name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
                             return name;
                         });

TEST(SampleDrills, TextFilesAreShiftJisWithCrLf) {
    int checked = 0;
    for (const auto& entry : std::filesystem::directory_iterator(QM7_SAMPLES_DIR)) {
        std::string extension = entry.path().extension().string();
        if (extension != ".m7" && extension != ".txt")
            continue;
        ++checked;
        std::ifstream in(entry.path(), std::ios::binary);
        std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        std::string name = entry.path().filename().string();
        ASSERT_GE(bytes.size(), 2u) << name;
        EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n") << name;
        // Every CR and every LF belongs to a CR LF pair.
        std::ptrdiff_t pairs = 0;
        for (std::size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at + 2))
            ++pairs;
        EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), pairs) << name;
        EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), pairs) << name;
        EXPECT_EQ(bytes.find('\0'), std::string::npos) << name;
        EXPECT_EQ(decodeCp932(bytes).find("\uFFFD"), std::string::npos) << name << " is not CP932";
    }
    EXPECT_EQ(checked, 6); // four drills, two translation files
}

TEST(SampleDrills, EigoWithHintListenMissAndSkip) {
    Drill drill;
    openSample(drill, Eigo);
    RunState& run = drill.program.Run;
    TMn1& window = drill.program.Mn1;
    ASSERT_EQ(run.CurrentQuestion, 1);
    EXPECT_EQ(window.LbMondai.caption(), sjis("空所に入る正しい語句を選びなさい（2つ以上の空所は前から順に）"));
    EXPECT_EQ(window.Toi.caption(), "I ___ a student.\r\n");

    RunHandler(drill.program, [&] { SpdBtn7Click(drill.program); });
    EXPECT_EQ(window.Yaku.caption(), sjis("私は学生です。"));
    RunHandler(drill.program, [&] { SpdBtn6Click(drill.program); });
    ASSERT_FALSE(drill.platform.player.log.empty());
    EXPECT_EQ(drill.platform.player.log.back(), "close");
    EXPECT_NE(std::find(drill.platform.player.log.begin(), drill.platform.player.log.end(), "play-wait eigo01.wav"),
              drill.platform.player.log.end());

    // A miss on question 1, then the right answer: it stays pending.
    drill.press(drill.key() == '1' ? '2' : '1');
    EXPECT_EQ(run.MissCount, 1);
    EXPECT_EQ(window.kakunin.caption(), "NG");
    drill.press(static_cast<std::uint16_t>(drill.key())); // the wrong text stands in the blank now
    EXPECT_EQ(run.CurrentQuestion, 2);
    EXPECT_EQ(window.Yaku.caption(), "");

    // Question 2 answered halfway, then skipped: it comes back from its first blank.
    answerRight(drill);
    EXPECT_EQ(window.Toi.caption(), "She goes to school ___ bus every day.\r\n");
    RunHandler(drill.program, [&] { SpdBtn3Click(drill.program); });
    EXPECT_EQ(run.CurrentQuestion, 3);
    EXPECT_EQ(window.LbHead1B.caption(), "0/8");
    EXPECT_NE(run.Table.pending(1), 0);
    EXPECT_NE(run.Table.pending(2), 0);

    answerToTheEnd(drill);
    // Fifteen blanks, plus question 1 asked again after its miss and the skipped first blank again.
    expectCongratulatedWithOneRecord(drill, Eigo, 17, 1);
    EXPECT_EQ(window.LbHead1B.caption(), "8/8");
}

TEST(SampleDrills, DirectivesDrillAppliesEveryDirective) {
    Drill drill;
    openSample(drill, Directives);
    ASSERT_TRUE(drill.platform.messages.empty()) << shown(drill.platform.messages);
    RunState& run = drill.program.Run;
    TMn1& window = drill.program.Mn1;

    // "/T": the upper of two lines wins; "/S": one byte; "/R", "/G", "/V" as written.
    EXPECT_EQ(window.LbMondai.caption(), sjis("図形の名前を英語で選びなさい（選択肢は並べ替えない）"));
    EXPECT_EQ(window.LbSkip.caption(), "-");
    EXPECT_EQ(run.KeepOrder, 1);
    EXPECT_EQ(run.PictureBase, "katachi");
    EXPECT_EQ(run.ListenBase, "koe");
    // "/Y": the translation file of its own name (the base line's shijijp.txt does not exist).
    EXPECT_EQ(drill.platform.files.count("shijijp.txt"), 0u);
    EXPECT_EQ(run.TranslationLoaded, 1);
    EXPECT_TRUE(window.SpdBtn7.visible());
    EXPECT_EQ(window.TranslationLines.get(1), sjis("この図形は三角形です。"));

    // "//", "/N" (also the one inside question 2) and every other directive line are gone.
    for (const std::string& line : window.FileLines.lines())
        EXPECT_NE(line.substr(0, 1), "/") << decodeCp932(line);
    EXPECT_EQ(window.FileLines.count(), 13);

    // File order: the choices and keys as written, no random draw.
    EXPECT_EQ(window.Label(2).caption(), "triangle");
    EXPECT_EQ(run.AnswerKey, "2");
    EXPECT_EQ(window.GF1.picture(), "katachi01.bmp");
    EXPECT_TRUE(window.SpdBtn6.visible());
    // The translation shows while the completed question waits.
    std::string translation;
    drill.platform.duringWaits.push_back([&] { translation = window.Yaku.caption(); });
    answerRight(drill);
    EXPECT_EQ(translation, sjis("この図形は三角形です。"));
    EXPECT_NE(std::find(drill.platform.player.log.begin(), drill.platform.player.log.end(), "play-wait koe01.wav"),
              drill.platform.player.log.end());

    ASSERT_EQ(run.CurrentQuestion, 2);
    EXPECT_EQ(window.Toi.caption(), "A ___ has four corners\r\nand four equal ___.\r\n");
    EXPECT_EQ(run.AnswerKey, "2");
    answerRight(drill);
    EXPECT_EQ(run.AnswerKey, "4");
    EXPECT_EQ(window.Label(4).caption(), "sides");

    answerToTheEnd(drill);
    EXPECT_TRUE(drill.platform.randomRanges.empty());
    expectCongratulatedWithOneRecord(drill, Directives, Directives.blanks, 0);
}

TEST(SampleDrills, KanjiChoicesKeepHalfWidthKatakanaApart) {
    Drill drill;
    openSample(drill, Kanji);
    TMn1& window = drill.program.Mn1;
    // "ﾆﾁ " = 0xC6 0xC1 0x20: the blank before "#" keeps the separator.
    EXPECT_EQ(drill.program.Run.ChoiceCount, 6);
    EXPECT_EQ(window.ChoiceLines.get(1), "\xC6\xC1 ");
    EXPECT_EQ(window.ChoiceLines.get(4), sjis("ひ"));
    EXPECT_EQ(window.GF1.picture(), "kanji01.bmp");
    answerRight(drill);
    EXPECT_EQ(window.Toi.caption(), sjis("日\r\n音読み ﾆﾁ  ／ 訓読み ___\r\n"));
    answerRight(drill);
    EXPECT_EQ(drill.program.Run.CurrentQuestion, 2);
    EXPECT_EQ(window.GF1.picture(), "kanji02.bmp");
}

TEST(SampleDrills, SeventeenChoicesAnsweredWithLetterKeys) {
    Drill drill;
    // Every first blank's right choice moves to a letter position: "A" to "G" in turn.
    for (int position = 10; position <= 16; ++position)
        drill.platform.drawChoice(position);
    openSample(drill, Choices17);
    RunState& run = drill.program.Run;
    TMn1& window = drill.program.Mn1;
    EXPECT_EQ(run.ChoiceCount, 17);
    EXPECT_TRUE(window.Sel(17).visible());
    EXPECT_EQ(window.Sel(17).caption(), "H");
    EXPECT_FALSE(window.Label(17).caption().empty());
    EXPECT_EQ(run.AnswerKey, "A");
    EXPECT_EQ(window.Label(10).caption(), "ten");

    // The key of every blank, and the number word it puts into the blank.
    std::string keys;
    std::vector<std::string> words;
    for (int presses = 0; presses < 100 && drill.program.Phase == RunPhase::Asking; ++presses) {
        EXPECT_EQ(run.ChoiceCount, 17);
        keys += run.AnswerKey;
        words.push_back(window.Label(choiceNumber(run.AnswerKey.at(0))).caption());
        answerRight(drill);
    }
    // Later keys of a question follow the exchange: "D E" with D moved to E asks E, then D.
    EXPECT_EQ(keys, "ABCDEDF9G78");
    EXPECT_EQ(words, (std::vector<std::string>{"ten", "eleven", "twelve", "seventeen", "thirteen", "fourteen", "nine",
                                               "fifteen", "fourteen", "seven", "eight"}));
    expectCongratulatedWithOneRecord(drill, Choices17, Choices17.blanks, 0);
}

} // namespace
