#include <gtest/gtest.h>

#include <cstdio>

#include "platform/Cp932.h"

namespace {

// Bytes as hex, so a failure shows which byte went wrong.
std::string hex(std::string_view bytes) {
    std::string text;
    char cell[4];
    for (unsigned char byte : bytes) {
        std::snprintf(cell, sizeof cell, "%02X ", byte);
        text += cell;
    }
    return text;
}

const std::string Replacement = "\xEF\xBF\xBD"; // U+FFFD in UTF-8

struct Pair {
    const char* utf8;
    std::string sjis;
};

void expectBothWays(const Pair& pair) {
    EXPECT_EQ(hex(encodeCp932(pair.utf8)), hex(pair.sjis)) << pair.utf8;
    EXPECT_EQ(decodeCp932(pair.sjis), pair.utf8) << hex(pair.sjis);
}

TEST(Cp932, ConvertsBothWaysByteForByte) {
    const Pair pairs[] = {
        // ASCII, and kana and kanji of the ordinary rows.
        {"QM7W abc 123", "QM7W abc 123"},
        {"あいう漢字", "\x82\xA0\x82\xA2\x82\xA4\x8A\xBF\x8E\x9A"},
        // Half-width katakana are single bytes 0xA1-0xDF, including both ends.
        {"｡ｱｲｳﾟ", "\xA1\xB1\xB2\xB3\xDF"},
        {"ﾌｧｲﾙ", "\xCC\xA7\xB2\xD9"},
        // "ソ" = 0x83 0x5C and "表" = 0x95 0x5C: the second byte is a backslash.
        {"ソ", "\x83\x5C"},
        {"表示", "\x95\x5C\x8E\xA6"},
        // "ゾ" = 0x83 0x5D, "タ" = 0x83 0x5E, "ダ" = 0x83 0x5F: more second bytes in the ASCII range.
        {"ゾタダ", "\x83\x5D\x83\x5E\x83\x5F"},
        // A backslash and a tilde stay ASCII, unlike the Windows yen-sign fonts.
        {"\\~", "\\~"},
        // The full-width tilde of CP932, not the wave dash.
        {"～", "\x81\x60"},
        // NEC special characters and IBM extensions.
        {"①Ⅰ∑", "\x87\x40\x87\x54\x87\x94"},
        {"髙", "\xFB\xFC"},
        {"纊", "\xFA\x5C"},
    };
    for (const Pair& pair : pairs)
        expectBothWays(pair);
}

TEST(Cp932, DecodesBadBytesAsReplacementAndGoesOn) {
    // A lead byte cut off at the end.
    EXPECT_EQ(decodeCp932("\x83"), Replacement);
    EXPECT_EQ(decodeCp932("ab\x95"), "ab" + Replacement);
    // A lead byte before a byte that cannot follow it: only the lead byte is lost.
    EXPECT_EQ(decodeCp932("\x81 z"), Replacement + " z");
    EXPECT_EQ(decodeCp932("\x83\r\n"), Replacement + "\r\n");
    // A pair of a lead and a trail byte that names no character counts as one.
    EXPECT_EQ(decodeCp932("\x85\x40z"), Replacement + "z");
    EXPECT_EQ(decodeCp932("\xEB\x40\x82\xA0"), Replacement + "あ");
    // Single bytes that are no character.
    EXPECT_EQ(decodeCp932("\x80z"), Replacement + "z");
    EXPECT_EQ(decodeCp932("\xFD\xFE\xFFz"), Replacement + Replacement + Replacement + "z");
    // Nothing and a NUL.
    EXPECT_EQ(decodeCp932(""), "");
    EXPECT_EQ(decodeCp932(std::string_view("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Cp932, EncodesMissingCharactersAsQuestionMark) {
    // Hangul, an emoji (four UTF-8 bytes) and a Latin-1 letter are not in CP932.
    EXPECT_EQ(encodeCp932("한x"), "?x");
    EXPECT_EQ(encodeCp932("a😀b"), "a?b");
    EXPECT_EQ(encodeCp932("é"), "?");
    EXPECT_EQ(encodeCp932(""), "");
    // Bytes that are no UTF-8, as a Linux file name may hold: each is lost alone.
    EXPECT_EQ(encodeCp932("caf\xE9/x"), "caf?/x");
    EXPECT_EQ(encodeCp932("\xFF"
                          "ab"),
              "?ab");
    EXPECT_EQ(encodeCp932("a\xE3\x81"), "a?");
}

TEST(Cp932, EveryShownConstantRoundTrips) {
    const char* constants[] = {
        "ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています",
        "ﾌｧｲﾙ ",
        " は開けません",
        " を作成できません",
        "ﾌｫﾙﾀﾞ ",
        " に移れません",
        "QM7Kekka.DAT ｴﾗｰ! このﾌｧｲﾙをｺﾞﾐ箱に捨てて下さい!",
        "QM7,ﾃｷｽﾄ形式|*.m7;*.txt|ﾃｷｽﾄ形式|*.txt|QM7|*.m7|すべて(*.*)|*.*",
        "ファイル形式が違います\nタイトル行と基本行がありません",
        "操作ボタンから｢問題ﾌｧｲﾙ｣を開け",
        "新しい問題ファイルを選択,ないし終了!",
        "適切なものを選択せよ",
        "おめでとう！ すべて終了しました！",
        "　　正解率:  ",
        "　　回答速度:",
        " 問/分",
        "選択肢１選択肢２選択肢３選択肢４",
        "累積時間正 解 率平均分速問 No達 成 度確認",
        "問題を開く終了次問にスキップ英文字専用字体サウンド",
        "ＭＳ 明朝ＭＳ ゴシックＭＳ Ｐゴシック",
        "MS Pゴシック",
    };
    for (const char* text : constants) {
        std::string bytes = sjis(text);
        EXPECT_EQ(bytes.find('?'), std::string::npos) << text << " lost a character: " << hex(bytes);
        EXPECT_EQ(decodeCp932(bytes), text) << hex(bytes);
    }

    // The typeface switch compares faces by bytes: the start face is written with full-width letters.
    expectBothWays({"ＭＳ Ｐゴシック", "\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E"});
    expectBothWays({"MS Pゴシック", "MS P\x83\x53\x83\x56\x83\x62\x83\x4E"});
    EXPECT_NE(sjis("ＭＳ Ｐゴシック"), sjis("MS Pゴシック"));
    expectBothWays({"選択肢１", "\x91\x49\x91\xF0\x8E\x88\x82\x50"});
}

} // namespace
