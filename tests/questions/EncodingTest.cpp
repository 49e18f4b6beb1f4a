#include <gtest/gtest.h>

#include <tuple>

#include "fake/Drill.h"
#include "text/Cp932.h"
#include "text/TextDecoding.h"
#include "text/Utf8.h"

namespace {

using enum TextEncoding;

// UTF-8 text as a file saved in `encoding` would hold it.
std::string encode(const std::string& text, TextEncoding encoding) {
    if (encoding == ShiftJis)
        return sjis(text);
    if (encoding == Utf8 || encoding == Utf8Bom)
        return (encoding == Utf8Bom ? "\xEF\xBB\xBF" : "") + text;
    const bool littleEndian = encoding == Utf16LeBom;
    std::string out = littleEndian ? "\xFF\xFE" : "\xFE\xFF";
    for (std::size_t i = 0, length = 0; i < text.size(); i += length) {
        char32_t c = *decodeUtf8(std::string_view(text).substr(i), length);
        // Beyond the BMP, a surrogate pair.
        for (char32_t unit :
             c < 0x10000 ? std::vector{c} : std::vector<char32_t>{0xD7C0 + (c >> 10), 0xDC00 + (c & 0x3FF)})
            out += littleEndian ? std::string{char(unit), char(unit >> 8)} : std::string{char(unit >> 8), char(unit)};
    }
    return out;
}

TEST(Encoding, DetectedFromTheBytesWithTheOtherReadingTheyAllow) {
    // UTF-8 needs a character of three bytes or more; "ﾎｼ" = 0xCE 0xBC also reads as UTF-8 "μ".
    const std::tuple<std::string, TextEncoding, std::optional<TextEncoding>> cases[] = {
        {"ASCII only\r\n", ShiftJis, {}},
        {sjis("漢字とｶﾀｶﾅ"), ShiftJis, {}},
        {"caf\xC3\xA9", ShiftJis, Utf8},
        {"caf\xC3\xA9\xE2\x82\xAC", Utf8, ShiftJis}, // "€" takes three bytes; in Shift-JIS "cafﾃｩ", a kanji, "ｬ"
        {"\xE3\x81\x82", Utf8, {}},                  // "あ" ends in a cut-off Shift-JIS lead byte
        {"caf\xC3\xA9\xC3\xE3\x81\x82", ShiftJis, {}}, // a cut-off character
        {"\xC0\xAF \xE3\x81\x82", ShiftJis, {}},       // an overlong "/"
        {"\xED\xA0\x80 \xE3\x81\x82", ShiftJis, {}},   // a surrogate written as UTF-8
        {"\xEF\xBB\xBF\xFF", Utf8Bom, {}},             // a BOM decides, whatever follows
    };
    for (const auto& [bytes, encoding, other] : cases) {
        EXPECT_EQ(encodingName(detectEncoding(bytes)), encodingName(encoding)) << testing::PrintToString(bytes);
        EXPECT_EQ(otherReading(bytes), other) << testing::PrintToString(bytes);
    }
}

// Every pair of half-width katakana that is also a two-byte UTF-8 character opens as Shift-JIS, byte for
// byte, and a "#" or "_" right after katakana is a separator or a blank.
TEST(Encoding, HalfWidthKatakanaPairsStayShiftJisAndSeparateChoices) {
    Drill run;
    for (int lead = 0xC2; lead <= 0xDF; ++lead)
        for (int trail = 0xA1; trail <= 0xBF; ++trail) {
            const std::string pair{static_cast<char>(lead), static_cast<char>(trail)};
            const std::string body = pair + "___\r\n#" + pair + "#" + pair + "\r\n2\r\n";
            run.platform.files["k.m7"] = "T\r\nq\r\n" + body;
            run.open("k.m7");
            ASSERT_EQ(run.program.Mn1.FileLines.text(), body) << lead << " " << trail;
            ASSERT_EQ(std::tie(run.program.Run.ChoiceCount, run.program.Run.BlankStart), std::make_tuple(2, 2));
        }
    run.openQuestions({"ｲﾇかﾈｺか___", "#ｲﾇ#ﾈｺ#ﾄﾘ", "2"});
    EXPECT_EQ(std::tie(run.program.Run.ChoiceCount, run.program.Run.BlankStart), std::make_tuple(3, 8));
    EXPECT_EQ(run.label(choiceNumber(run.key())), sjis("ﾈｺ"));
    run.answerRight();
    EXPECT_EQ(run.program.Phase, RunPhase::Finished);
}

// The drill and its translation file in each encoding: the same lines, the same run, the same record.
TEST(Encoding, TheSameDrillInEveryEncodingOpensAndRunsTheSame) {
    const std::string drill =
        "日本語のドリル～〜\r\n基本\n/R\r\n//コメント\r問い ___ です。\r\n#答え#こたえ#回答\r\n1\r\n"
        "二問目 ___\r\n#ア#イ\r\n2\r\n";
    const std::string translation = "訳\r\n一問目の訳\r\n二問目の訳\r\n";
    std::optional<std::tuple<std::string, std::string, std::string>> first;
    for (TextEncoding encoding : {ShiftJis, Utf8, Utf8Bom, Utf16LeBom, Utf16BeBom}) {
        SCOPED_TRACE(std::string(encodingName(encoding)));
        Drill run;
        run.platform.files["d.m7"] = encode(drill, encoding);
        run.platform.files[sjis("基本jp.txt")] = encode(translation, encoding);
        run.open("d.m7");
        ASSERT_EQ(run.program.Phase, RunPhase::Asking);
        EXPECT_EQ(run.program.Mn1.TT.caption(), sjis("日本語のドリル～～"));
        const auto lines = std::make_pair(run.program.Mn1.FileLines.text(), run.program.Mn1.TranslationLines.text());
        run.hint();
        EXPECT_EQ(run.program.Mn1.Yaku.caption(), sjis("一問目の訳"));
        run.press('1');
        run.press('2');
        ASSERT_EQ(run.program.Phase, RunPhase::Finished);
        const std::string log = run.platform.files[run.logPath()];
        EXPECT_EQ(log.substr(36), sjis("基本\r\n")); // after the counted fields
        const auto seen = std::make_tuple(lines.first, lines.second, log);
        if (!first)
            first = seen;
        EXPECT_EQ(seen, *first);
    }
}

// Each refused file comes over a run in progress, which goes on as it was.
TEST(Encoding, TextShiftJisCannotHoldIsRefusedWithItsLine) {
    const std::string emojiOnLine5 = "T\nq\nQ ___\n#a#b\n1 \xF0\x9F\x98\x80\n";
    const std::pair<std::string, std::string> cases[] = {
        {emojiOnLine5, "5行目: Shift-JISにない文字 U+1F600 があります"},
        {encode("T\r\nq\r\n𠮷", Utf16LeBom), "3行目: Shift-JISにない文字 U+20BB7 があります"},
        {encode("T\r\nq\r\n", Utf16LeBom) + "x", "3行目: UTF-16のファイルのバイト数が奇数です"},
        {encode("T\nq", Utf16BeBom) + std::string("\xDC\x00", 2),
         "2行目: UTF-16の対になっていないサロゲート U+DC00 があります"},
        {"\xEF\xBB\xBFT\r\r\xFF", "3行目: UTF-8として読めないバイト 0xFF があります"},
        {"T\nq\nQ ___\n#a#b\n1\n", "qjp.txt 3行目: Shift-JISにない文字 U+00E9 があります"},
    };
    Drill run;
    run.openQuestions(questionBlocks(2));
    run.answerRight();
    const std::string memo = run.memo();
    for (const auto& [bytes, line] : cases) {
        run.platform.files["bad.m7"] = bytes;
        run.platform.files["qjp.txt"] = "\xEF\xBB\xBFhead\r\nok\r\ncaf\xC3\xA9\r\n";
        run.platform.messages.clear();
        run.open("bad.m7");
        EXPECT_EQ(run.platform.messages, std::vector{sjis("ファイル形式が違います\n" + line)});
        EXPECT_FALSE(run.program.Closing);
        EXPECT_EQ(std::tie(run.program.Run.CurrentQuestion, run.program.Run.RunTag),
                  std::make_tuple(2, "261206 005058#q"));
        EXPECT_EQ(run.memo(), memo);
    }
    EXPECT_TRUE(run.platform.errors.empty());
}

} // namespace
