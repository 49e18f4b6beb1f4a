#include <QPlainTextEdit>
#include <gtest/gtest.h>
#include <string>
#include <tuple>

#include "platform/qt/MemoPosition.h"
#include "platform/qt/QtConversions.h"
#include "text/Cp932.h"

namespace {

// A byte offset inside a character counts the whole character as passed; the whole text is as many
// characters as the widget shows, whatever the bytes. Edges: past the end; CR LF as one break, also
// between its bytes; lone CR and LF; "ダ" = 0x83 0x5F; half-width katakana; a lead byte cut off at the
// end or before a line feed; byte pairs of no character; NUL.
TEST(MemoPosition, CountsCharactersNotBytes) {
    const std::string nihon = sjis("日本");
    const std::tuple<std::string, int, int> cases[] = {
        {"", 5, 0},          {"abc", 2, 2},    {"abc", 9, 3},     {nihon, 2, 1},       {nihon, 1, 1},
        {nihon, 3, 2},       {"a\r\nb", 3, 2}, {"a\r\nb", 2, 2},  {"a\rb\nc", 4, 4},   {"\x83\x5F_", 2, 1},
        {"\xB1\xB2_", 2, 2}, {"a\x82", 2, 2},  {"\x82\nb", 2, 2}, {"\x81\x7Fx", 3, 2}, {"\x85\x40\xFD\xA0", 4, 3},
        {{"a\0b", 3}, 3, 3}};
    for (const auto& [text, byteOffset, expected] : cases) {
        SCOPED_TRACE(testing::PrintToString(text) + " at " + std::to_string(byteOffset));
        EXPECT_EQ(memoCharPosition(text, byteOffset), expected);
        QPlainTextEdit memo;
        memo.setPlainText(qtText(text));
        EXPECT_EQ(memoCharPosition(text, static_cast<int>(text.size())), memo.document()->characterCount() - 1);
    }
}

} // namespace
