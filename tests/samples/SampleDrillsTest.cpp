#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "fake/Drill.h"
#include "run/Presentation.h"

namespace {

// Every file of the samples folder under its bare name, as the program finds a drill's files beside it.
void loadSamples(FakePlatform& platform) {
    for (const auto& entry : std::filesystem::directory_iterator(QM7_SAMPLES_DIR)) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::string name = entry.path().filename().string();
        platform.files[name].assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (entry.path().extension() == ".bmp")
            platform.pictures[name] = PictureSize{32, 32};
    }
}

// The file, its questions, picture base (or none), whether every question has its wave file, translation of
// question 1 (or none).
struct Sample {
    std::string file;
    int questions;
    std::string pictures;
    bool spoken;
    std::string translation;
};

const Sample Samples[] = {
    {"eigo.m7", 8, "", true, "私は学生です。"},
    {"kanji.m7", 6, "kanji", false, ""},
    {"directives.m7", 4, "katachi", true, "この図形は三角形です。"},
    {"choices17.m7", 7, "", false, ""},
    {"joshi.m7", 5, "", false, "I am a student."},
};

// Each sample opens without a box, finds its companion files and runs to the congratulation; every
// answer goes into a selected run of "_".
TEST(SampleDrills, OpenFindTheirFilesAndRunToTheEnd) {
    for (const Sample& sample : Samples) {
        SCOPED_TRACE(sample.file);
        Drill drill;
        loadSamples(drill.platform);
        drill.open(sample.file);
        const TMn1& window = drill.program.Mn1;
        const RunState& run = drill.program.Run;
        ASSERT_TRUE(drill.platform.messages.empty() && drill.platform.errors.empty());
        ASSERT_EQ(run.QuestionTotal, sample.questions);
        EXPECT_EQ(window.SpdBtn7.visible() ? window.TranslationLines.get(1) : "", sjis(sample.translation));
        for (int presses = 0; presses < 100 && drill.program.Phase == RunPhase::Asking; ++presses) {
            std::string number = TwoDigitNumber(run.CurrentQuestion);
            EXPECT_EQ(window.GF1.visible() ? window.GF1.picture() : "",
                      sample.pictures.empty() ? "" : sample.pictures + number + ".bmp");
            EXPECT_EQ(window.SpdBtn6.visible(), sample.spoken) << "question " << number;
            const std::string selected = window.Toi.selectedText();
            EXPECT_TRUE(!selected.empty() && selected.find_first_not_of('_') == std::string::npos);
            drill.answerRight();
        }
        EXPECT_EQ(drill.platform.messages, std::vector{sjis("おめでとう！ すべて終了しました！")});
        EXPECT_EQ(run.MissCount, 0);
    }
}

} // namespace
