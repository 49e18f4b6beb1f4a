#include <gtest/gtest.h>

#include "fake/FakePlatform.h"
#include "platform/AppError.h"
#include "platform/Cp932.h"
#include "platform/LineList.h"

namespace {

using Lines = std::vector<std::string>;

Lines split(std::string_view bytes) {
    LineList list;
    list.setText(bytes);
    return list.lines();
}

LineList listOf(const Lines& lines) {
    LineList list;
    for (const std::string& line : lines)
        list.add(line);
    return list;
}

// "ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています" as the bytes the error box shows.
const std::string IndexMessage = "\xD8\xBD\xC4\x82\xCC\xB2\xDD\xC3\xDE\xAF\xB8\xBD\x82\xAA\x94\xCD\x88\xCD\x82\xF0"
                                 "\x92\xB4\x82\xA6\x82\xC4\x82\xA2\x82\xDC\x82\xB7";

template <typename Action> void expectIndexError(Action action, const char* what) {
    try {
        action();
        ADD_FAILURE() << what << ": no error";
    } catch (const AppError& error) {
        EXPECT_EQ(error.what(), IndexMessage) << what;
    }
}

TEST(LineList, SetTextCutsAtEveryKindOfLineEnd) {
    // CR LF, lone CR, lone LF.
    EXPECT_EQ(split("a\r\nb\r\nc"), (Lines{"a", "b", "c"}));
    EXPECT_EQ(split("a\rb\rc"), (Lines{"a", "b", "c"}));
    EXPECT_EQ(split("a\nb\nc"), (Lines{"a", "b", "c"}));
    EXPECT_EQ(split("a\r\nb\rc\nd"), (Lines{"a", "b", "c", "d"}));
    // LF CR is two line ends, so an empty line stands between them.
    EXPECT_EQ(split("a\n\rb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(split("a\r\r\nb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(split("a\r\n\r\nb"), (Lines{"a", "", "b"}));
    // A lead byte right before a line end does not swallow it.
    EXPECT_EQ(split("\x83\r\nx"), (Lines{"\x83", "x"}));
}

TEST(LineList, SetTextEndsOfText) {
    // A final line end adds no empty line; a second one does.
    EXPECT_EQ(split("a\r\n"), (Lines{"a"}));
    EXPECT_EQ(split("a\r"), (Lines{"a"}));
    EXPECT_EQ(split("a\n"), (Lines{"a"}));
    EXPECT_EQ(split("a\r\n\r\n"), (Lines{"a", ""}));
    EXPECT_EQ(split("\r\n"), (Lines{""}));
    // Empty text, and a last line without a line end.
    EXPECT_EQ(split(""), Lines{});
    EXPECT_EQ(split("abc"), (Lines{"abc"}));
    // A NUL ends the text, wherever it stands.
    EXPECT_EQ(split(std::string_view("a\r\nb\0c\r\nd", 9)), (Lines{"a", "b"}));
    EXPECT_EQ(split(std::string_view("\0abc", 4)), Lines{});
    EXPECT_EQ(split(std::string_view("a\r\n\0", 4)), (Lines{"a"}));
}

TEST(LineList, SetTextKeepsBytesAndReplacesContents) {
    // Blanks, tabs and double-byte characters with a 0x5C second byte stay as they are.
    EXPECT_EQ(split("  a \t \r\n\x83\x5C\x95\x5Cn\\\r\n"), (Lines{"  a \t ", "\x83\x5C\x95\x5Cn\\"}));
    EXPECT_EQ(split("\xB1\xB2\xB3 \xFF\x80"), (Lines{"\xB1\xB2\xB3 \xFF\x80"}));

    LineList list = listOf({"old", "lines", "here"});
    list.setText("new");
    EXPECT_EQ(list.lines(), (Lines{"new"}));
}

TEST(LineList, TextEndsEveryLineWithCrLf) {
    EXPECT_EQ(listOf({}).text(), "");
    EXPECT_EQ(listOf({""}).text(), "\r\n");
    EXPECT_EQ(listOf({"a", "", "\x83\x5C"}).text(), "a\r\n\r\n\x83\x5C\r\n");

    LineList list;
    list.setText("a\nb\rc");
    EXPECT_EQ(list.text(), "a\r\nb\r\nc\r\n");
}

TEST(LineList, IndexOutsideTheListFails) {
    LineList list = listOf({"a", "b", "c"});
    // -1 and count are outside for every operation but insert, which may append at count.
    expectIndexError([&] { list.get(-1); }, "get(-1)");
    expectIndexError([&] { list.get(3); }, "get(count)");
    expectIndexError([&] { list.put(-1, "x"); }, "put(-1)");
    expectIndexError([&] { list.put(3, "x"); }, "put(count)");
    expectIndexError([&] { list.insert(-1, "x"); }, "insert(-1)");
    expectIndexError([&] { list.insert(4, "x"); }, "insert(count + 1)");
    expectIndexError([&] { list.remove(-1); }, "remove(-1)");
    expectIndexError([&] { list.remove(3); }, "remove(count)");
    expectIndexError([&] { list.exchange(-1, 0); }, "exchange(-1, 0)");
    expectIndexError([&] { list.exchange(0, 3); }, "exchange(0, count)");
    EXPECT_EQ(list.lines(), (Lines{"a", "b", "c"})) << "a refused operation changes nothing";
    expectIndexError([] { LineList().get(0); }, "get(0) of an empty list");
    expectIndexError([] { LineList().remove(0); }, "remove(0) of an empty list");
    EXPECT_EQ(IndexMessage, sjis("ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています"));
}

TEST(LineList, OperationsAtTheEdges) {
    LineList list = listOf({"a", "b", "c"});
    list.insert(3, "end");
    list.insert(0, "start");
    EXPECT_EQ(list.lines(), (Lines{"start", "a", "b", "c", "end"}));
    list.put(4, "last");
    list.put(0, "first");
    EXPECT_EQ(list.get(0), "first");
    EXPECT_EQ(list.get(4), "last");
    list.exchange(0, 4);
    list.exchange(2, 2);
    EXPECT_EQ(list.lines(), (Lines{"last", "a", "b", "c", "first"}));
    list.remove(4);
    list.remove(0);
    EXPECT_EQ(list.lines(), (Lines{"a", "b", "c"}));
    list.add("a");
    EXPECT_EQ(list.count(), 4) << "duplicates stay";
    LineList empty;
    empty.insert(0, "only");
    EXPECT_EQ(empty.lines(), (Lines{"only"}));
}

TEST(LineList, LoadAndSaveThroughThePlatform) {
    FakePlatform platform;
    platform.files["in.txt"] = std::string("one\r\ntwo\nthree\0four", 19);
    LineList list = listOf({"previous"});
    list.loadFromFile(platform, "in.txt");
    EXPECT_EQ(list.lines(), (Lines{"one", "two", "three"}));

    list.saveToFile(platform, "out.txt");
    EXPECT_EQ(platform.files["out.txt"], "one\r\ntwo\r\nthree\r\n");

    // A file that cannot be read or written fails with the platform's text and changes nothing.
    platform.unreadable.insert("in.txt");
    EXPECT_THROW(list.loadFromFile(platform, "in.txt"), AppError);
    EXPECT_THROW(list.loadFromFile(platform, "missing.txt"), AppError);
    EXPECT_EQ(list.lines(), (Lines{"one", "two", "three"}));
    platform.unwritable.insert("out.txt");
    LineList other = listOf({"other"});
    EXPECT_THROW(other.saveToFile(platform, "out.txt"), AppError);
    EXPECT_EQ(platform.files["out.txt"], "one\r\ntwo\r\nthree\r\n");
}

} // namespace
