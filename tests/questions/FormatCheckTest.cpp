#include <gtest/gtest.h>

#include "fake/Drill.h"
#include "fake/QuestionFiles.h"

namespace {

const std::string WrongFormat = "ファイル形式が違います";

// Opens `lines` as a fresh program's file.
struct Refusal : Drill {
    explicit Refusal(const std::vector<std::string>& lines) {
        writeFile("q.m7", lines);
        open("q.m7");
    }
    // The one message box, in UTF-8.
    std::string message() const {
        return platform.messages.size() == 1 ? decodeCp932(platform.messages[0])
                                             : "boxes: " + std::to_string(platform.messages.size());
    }
};

TEST(FormatCheck, MalformedFilesAreRefusedWithTheirLineAndTheProgramStays) {
    const std::vector<std::string> q = {"Q ___", "#a#b", "1"}; // body lines 3 to 5
    auto with = [&](std::vector<std::string> more) {
        std::vector<std::string> body = q;
        body.insert(body.end(), more.begin(), more.end());
        return questionFile("b", body);
    };
    const struct {
        const char* what;
        std::vector<std::string> file;
        std::string expected; // after the first line of the box
    } cases[] = {
        {"title only", {"Title"}, "タイトル行と基本行がありません"},
        {"empty file", {}, "タイトル行と基本行がありません"},
        {"empty line between questions", with({"", "Q2 ___", "#c#d", "1"}), "6行目: 空行は使えません"},
        {"empty line inside a block", questionFile("b", {"Q ___", "", "#a#b", "1"}), "4行目: 空行は使えません"},
        {"first question without text", questionFile("b", {"#a#b", "1"}), "3行目: 選択肢の行の前に問題文がありません"},
        {"later question without text", with({"#c#d", "2"}), "6行目: 選択肢の行の前に問題文がありません"},
        {"last question without answer", questionFile("b", {"Q ___", "#a#b"}),
         "4行目: 選択肢の行の次に解答行がありません"},
        {"empty answer at the end", with({"Q2 ___", "#c#d", ""}), "7行目: 選択肢の行の次に解答行がありません"},
        {"choices line for answer", questionFile("b", {"Q ___", "#a#b", "#c#d", "1"}),
         "4行目: 選択肢の行の次に解答行がありません"},
        {"18 choices", questionFile("b", {"Q ___", "#1#2#3#4#5#6#7#8#9#A#B#C#D#E#F#G#H#I", "1"}),
         "4行目: 選択肢が18個あります（17個まで）"},
        {"answer of blanks", questionFile("b", {"Q ___", "#a#b", "   "}), "5行目: 解答行に解答の記号がありません"},
        {"empty answer above", questionFile("b", {"Q ___", "#a#b", "", "Q2 ___", "#c#d", "1"}),
         "5行目: 解答行に解答の記号がありません"},
        {"label 0", questionFile("b", {"Q ___", "#a#b", "0"}), "5行目: 解答の記号「0」は1～9またはA～Hではありません"},
        {"label a", questionFile("b", {"Q ___", "#a#b", "a"}), "5行目: 解答の記号「a」は1～9またはA～Hではありません"},
        {"label I", with({"Q2 ___ ___", "#c#d", "1 I"}), "8行目: 解答の記号「I」は1～9またはA～Hではありません"},
        {"label of a missing choice", questionFile("b", {"Q ___", "#a#b", "3"}),
         "5行目: 解答の記号「3」の選択肢がありません（選択肢は2個）"},
        {"second label missing choice", questionFile("b", {"Q ___", "#1#2#3#4#5#6#7#8#9#A", "A H"}),
         "5行目: 解答の記号「H」の選択肢がありません（選択肢は10個）"},
        // Removed directive lines do not shift the line numbers.
        {"after directives", questionFile("b", {"//c", "/Tx", "Q ___", "#a#b", "9"}),
         "7行目: 解答の記号「9」の選択肢がありません（選択肢は2個）"},
    };
    for (const auto& c : cases) {
        Refusal drill(c.file);
        EXPECT_EQ(drill.message(), WrongFormat + "\n" + c.expected) << c.what;
        EXPECT_TRUE(drill.platform.errors.empty()) << c.what;
        EXPECT_EQ(drill.program.Phase, RunPhase::NoFile) << c.what;
        EXPECT_FALSE(drill.program.Closing) << c.what;
        EXPECT_FALSE(drill.platform.closeRequested) << c.what;
    }
}

TEST(FormatCheck, EdgesThatAreAccepted) {
    const std::vector<std::vector<std::string>> bodies = {
        {"Q ___", "#1#2#3#4#5#6#7#8#9#A#B#C#D#E#F#G#H", "H"}, // 17 choices
        {"Q ___ ___", "#a#b#c", "3 1  "},                     // trailing blanks trimmed
        {"Q ___", "#a#b#c", "31"},                            // one label, the "1" is its separator
        {"Q ___", "#a#b#", "3"},                              // the empty third choice
        {"Q ___", "#a", "2"},                                 // an empty first choice
        {"Q", "with", "three lines ___", "#a#b", "2"},
    };
    for (const std::vector<std::string>& body : bodies) {
        Refusal drill(questionFile("b", body));
        EXPECT_TRUE(drill.platform.messages.empty()) << body[body.size() - 2] << ": " << drill.message();
        EXPECT_EQ(drill.program.Phase, RunPhase::Asking) << body[body.size() - 2];
    }
}

TEST(FormatCheck, AtMost128Questions) {
    Refusal full(questionFile("b", questionBlocks(128)));
    EXPECT_TRUE(full.platform.messages.empty());
    EXPECT_EQ(full.program.Phase, RunPhase::Asking);
    EXPECT_EQ(full.program.Run.Table.pending(128), 128);
    EXPECT_EQ(full.program.Run.Table.start(128), 381);

    // The choices line of question 129 is body index 385, file line 388; far too many is refused alike.
    for (int count : {129, 1000}) {
        Refusal over(questionFile("b", questionBlocks(count)));
        EXPECT_EQ(over.message(), WrongFormat + "\n388行目: 問題が128問を超えています") << count;
        EXPECT_EQ(over.program.Phase, RunPhase::NoFile) << count;
        EXPECT_FALSE(over.program.Closing) << count;
    }
}

TEST(FormatCheck, TheTwoFormatErrorsCloseTheProgram) {
    const struct {
        const char* what;
        std::vector<std::string> file;
        std::vector<std::string> messages;
    } cases[] = {
        {"no choices line", questionFile("b", {"text", "/Tx", "1"}), {WrongFormat}},
        {"title and base line only", questionFile("b", {}), {WrongFormat}},
        {"only empty lines", questionFile("b", {"", ""}), {WrongFormat}},
        {"a /# line", questionFile("b", {"Q ___", "#a#b", "1", "/##x"}), {"Windows版では\"##\"選択肢は使えません！"}},
        {"/# and no choices line",
         questionFile("b", {"/#a"}),
         {"Windows版では\"##\"選択肢は使えません！", WrongFormat}},
    };
    for (const auto& c : cases) {
        Refusal drill(c.file);
        std::vector<std::string> shown;
        for (const std::string& message : drill.platform.messages)
            shown.push_back(decodeCp932(message));
        EXPECT_EQ(shown, c.messages) << c.what;
        EXPECT_TRUE(drill.program.Closing) << c.what;
        EXPECT_TRUE(drill.platform.closeRequested) << c.what;
        EXPECT_NE(drill.program.Phase, RunPhase::Asking) << c.what;
        EXPECT_TRUE(drill.platform.errors.empty()) << c.what;
    }
}

} // namespace
