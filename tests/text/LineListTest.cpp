#include <gtest/gtest.h>

#include "platform/AppError.h"
#include "text/LineCutter.h"
#include "text/LineList.h"

namespace {

using Lines = std::vector<std::string>;

TEST(LineList, SetTextCutsLinesByteForByte) {
    const std::pair<std::string_view, Lines> cases[] = {
        {"a\r\nb\rc\nd", {"a", "b", "c", "d"}}, // CR LF, lone CR, lone LF
        {"a\n\rb", {"a", "", "b"}},             // LF CR is two line ends
        {"a\r\r\nb\n\nc", {"a", "", "b", "", "c"}},
        {"a\r\n", {"a"}},         // a final line end adds no empty line...
        {"a\r\n\r\n", {"a", ""}}, // ...a second one does
        {"", {}},
        {std::string_view("a\r\nb\0c\r\nd", 9), {"a", "b"}}, // a NUL ends the text
        {std::string_view("\0abc", 4), {}},
        {"\x83\r\nx", {"\x83", "x"}}, // a lead byte does not swallow the line end
        {"  \xB1\xDF\t\r\n\x83\x5C\x95\x5Cn\\", {"  \xB1\xDF\t", "\x83\x5C\x95\x5Cn\\"}},
    };
    for (const auto& [bytes, lines] : cases) {
        LineList list;
        list.add("left over");
        list.setText(bytes);
        EXPECT_EQ(list.lines(), lines) << testing::PrintToString(std::string(bytes));
        // The same lines from a text that arrives a byte at a time, each cut to two bytes when asked.
        for (std::size_t keep : {std::string::npos, std::size_t{2}}) {
            Lines cut;
            LineCutter cutter([&](std::string_view line) { cut.emplace_back(line); }, keep);
            for (char byte : bytes)
                cutter.add(std::string_view(&byte, 1));
            cutter.finish();
            Lines expected = lines;
            for (std::string& line : expected)
                line = line.substr(0, keep);
            EXPECT_EQ(cut, expected) << testing::PrintToString(std::string(bytes));
        }
    }
}

TEST(LineList, IndexOutsideTheListFailsAndChangesNothing) {
    LineList list;
    list.setText("a\r\nb");
    EXPECT_THROW(list.get(2), AppError);
    EXPECT_THROW(list.put(-1, "x"), AppError);
    EXPECT_THROW(list.insert(3, "x"), AppError);
    EXPECT_THROW(list.exchange(0, 2), AppError);
    list.insert(2, "c"); // insert alone may append at the count
    EXPECT_EQ(list.text(), "a\r\nb\r\nc\r\n");
}

} // namespace
