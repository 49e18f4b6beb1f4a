#include <gtest/gtest.h>

#include <tuple>

#include "fake/Drill.h"

TEST(FormatCheck, MalformedFilesAreRefusedWithTheirLineAndOnlyTheTwoFormatErrorsClose) {
    auto file = [](std::vector<std::string> body) {
        body.insert(body.begin(), {"Title", "b"});
        return body;
    };
    const std::string close = "ファイル形式が違います", hash = "Windows版では\"##\"選択肢は使えません！";
    auto refused = [&](int line, const std::string& what) {
        return close + "\n" + std::to_string(line) + "行目: " + what;
    };
    const std::string label = "は1～9またはA～Hではありません", missing = "の選択肢がありません（選択肢は";
    const std::string noAnswer = "選択肢の行の次に解答行がありません", noText = "選択肢の行の前に問題文がありません";
    // The file, its boxes joined by "|" (none: accepted), whether the program closes.
    const std::tuple<std::vector<std::string>, std::string, bool> cases[] = {
        {{"Title"}, refused(1, "タイトル行と基本行がありません"), false},
        {file({"Q ___", "#a#b", "1", "", "Q2 ___", "#c#d", "1"}), refused(6, "空行は使えません"), false},
        {file({"#a#b", "1"}), refused(3, noText), false},
        {file({"Q ___", "#a#b", "1", "#c#d", "2"}), refused(6, noText), false},
        {file({"Q ___", "#a#b"}), refused(4, noAnswer), false},
        {file({"Q ___", "#a#b", "1", "Q2 ___", "#c#d", ""}), refused(7, noAnswer), false},
        {file({"Q ___", "#1#2#3#4#5#6#7#8#9#A#B#C#D#E#F#G#H#I", "1"}), refused(4, "選択肢が18個あります（17個まで）"),
         false},
        {file({"Q ___", "#1#2#3#4#5#6#7#8#9#A#B#C#D#E#F#G#H", "H"}), "", false},
        {file({"Q ___", "#a", "1"}), refused(4, "選択肢が1個しかありません（2個から17個まで）"), false},
        {file({"Q ___", "#", "1"}), refused(4, "選択肢が1個しかありません（2個から17個まで）"), false},
        {file({"Q ___", "#a#b", "   "}), refused(5, "解答行に解答の記号がありません"), false},
        {file({"Q ___", "#a#b", "0"}), refused(5, "解答の記号「0」" + label), false},
        {file({"Q ___ ___", "#a#b", "1 I"}), refused(5, "解答の記号「I」" + label), false},
        // Removed directive lines keep the file's numbering; a trailing "#" makes an empty third choice.
        {file({"//c", "/Tx", "Q ___ ___", "#a#b#", "3 9"}), refused(7, "解答の記号「9」" + missing + "3個）"), false},
        {file({"Q ___ ___", "#a#b#c", "3 1  "}), "", false},    // trailing blanks trimmed
        {file({"Q ___", "#a#b#c", "31"}), "", false},           // one label, the "1" stands as its separator
        {file({"Q ___ ___", "#a#b#c", "３　１　"}), "", false}, // full-width digits and blanks read half-width
        {file({"Q ___", "#a#b", "Ｉ"}), refused(5, "解答の記号「Ｉ」" + label), false},
        {file({"Q ___ ___", "#1#2#3#4#5#6#7#8#9#A", "1、2"}), refused(5, "解答の記号「、」" + label), false},
        {file({"Q ___ ___", "#1#2#3#4#5#6#7#8#9#A", "A 9"}), "", false},
        {file({"Q ___ ___", "#1#2#3#4#5#6#7#8#9", "9 A"}), refused(5, "解答の記号「A」" + missing + "9個）"), false},
        {file(questionBlocks(128)), "", false},
        {file(questionBlocks(129)), refused(388, "問題が128問を超えています"), false},
        {file({"text", "/Tx", "1"}), close, true},
        {file({"", ""}), close, true},
        {file({"Q ___", "#a#b", "1", "/##x"}), hash, true},
        {file({"/#a"}), hash + "|" + close, true}};
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto& [lines, boxes, closes] = cases[i];
        Drill drill;
        drill.writeFile("q.m7", lines);
        drill.open("q.m7");
        std::string shown;
        for (const std::string& message : drill.platform.messages)
            shown += (shown.empty() ? "" : "|") + decodeCp932(message);
        EXPECT_EQ(shown, boxes) << "case " << i;
        EXPECT_EQ(drill.program.Phase == RunPhase::Asking, boxes.empty()) << "case " << i;
        EXPECT_EQ(drill.program.Closing && drill.platform.closeRequested, closes) << "case " << i;
    }
}
