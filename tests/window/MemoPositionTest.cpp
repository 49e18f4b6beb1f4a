#include <QPlainTextEdit>
#include <gtest/gtest.h>
#include <string>

#include "QStringPrinter.h"
#include "TestPlatform.h"
#include "app/Program.h"
#include "platform/Cp932.h"
#include "platform/qt/MainWindowView.h"
#include "platform/qt/MemoPosition.h"
#include "platform/qt/QtConversions.h"

namespace {

TEST(MemoPosition, CountsCharactersNotBytes) {
    struct Case {
        std::string text;
        int byteOffset;
        int expected;
    };
    const Case cases[] = {
        {"", 0, 0},
        {"", 5, 0},
        {"abc", 0, 0},
        {"abc", 2, 2},
        {"abc", 9, 3}, // past the end: the end
        {sjis("日本"), 2, 1},
        {sjis("日本"), 4, 2},
        {sjis("日本"), 1, 1}, // inside a character: the whole character counts as passed
        {sjis("日本"), 3, 2}, //
        {"a\r\nb", 3, 2},     // CR LF is one line break in the widget
        {"a\r\nb", 2, 2},     // between CR and LF: after the break
        {"a\rb\nc", 4, 4},    // lone CR and lone LF are one each
        {"\x83\x5F_", 2, 1},  // "ダ" ends in 0x5F, then a real "_"
        {"\xB1\xB2_", 2, 2},  // half-width katakana are single bytes
        {"a\x82", 2, 2},      // a lead byte cut off at the end
        {"\x82\x0A"
         "b",
         2, 2}, // a lead byte before a line feed stands alone
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text) + " at " + std::to_string(c.byteOffset));
        EXPECT_EQ(memoCharPosition(c.text, c.byteOffset), c.expected);
    }
}

// The whole text maps to the length of what the widget holds, whatever the bytes.
TEST(MemoPosition, EndOfTextIsTheLengthOfTheShownText) {
    const std::string texts[] = {sjis("問題：彼は___です。\r\n次の行\r\n"),
                                 "\x81\x7F"
                                 "x",
                                 "\x85\x40\xFD\xA0", std::string("a\0b", 3), sjis("ｶﾀｶﾅとかな\r")};
    for (const std::string& text : texts) {
        SCOPED_TRACE(testing::PrintToString(text));
        QPlainTextEdit memo;
        memo.setPlainText(qtText(text));
        EXPECT_EQ(memoCharPosition(text, static_cast<int>(text.size())), memo.document()->characterCount() - 1);
    }
}

class MemoSelection : public testing::Test {
protected:
    QPlainTextEdit* memo() { return view.findChild<QPlainTextEdit*>("Toi"); }

    TestPlatform platform;
    Program program{platform};
    MainWindowView view{program};
};

TEST_F(MemoSelection, ByteSelectionAfterDoubleByteCharactersSelectsTheSameText) {
    Memo& toi = program.Mn1.Toi;
    toi.setText(sjis("日本語の___です。\r\n二行目も__。\r\n"));
    EXPECT_EQ(memo()->toPlainText(), QStringLiteral("日本語の___です。\n二行目も__。\n"));

    toi.select(8, 3);
    EXPECT_EQ(memo()->textCursor().selectionStart(), 4);
    EXPECT_EQ(memo()->textCursor().selectedText(), QStringLiteral("___"));

    toi.select(27, 2); // second line, after its CR LF and four double-byte characters
    EXPECT_EQ(memo()->textCursor().selectedText(), QStringLiteral("__"));

    toi.replaceSelection(sjis("ある"));
    EXPECT_EQ(memo()->toPlainText(), QStringLiteral("日本語の___です。\n二行目もある。\n"));
    EXPECT_FALSE(memo()->textCursor().hasSelection());

    toi.setSelStart(-1); // no blank found: nothing selected
    EXPECT_FALSE(memo()->textCursor().hasSelection());
}

TEST_F(MemoSelection, ASelectionStartingInsideACharacterNeverSplitsIt) {
    Memo& toi = program.Mn1.Toi;
    toi.setText(sjis("漢字_"));
    toi.select(1, 3);
    EXPECT_EQ(memo()->textCursor().selectedText(), QStringLiteral("字"));
}

} // namespace
