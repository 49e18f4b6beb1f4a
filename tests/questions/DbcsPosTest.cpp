#include <gtest/gtest.h>

#include "questions/DbcsPos.h"

namespace {

struct SearchCase {
    const char* what;
    std::string pattern;
    std::string text;
    std::int32_t expected;
};

TEST(DbcsPos, FindsOnlyOccurrencesThatDoNotStartOnASecondByte) {
    const SearchCase cases[] = {
        // Plain ASCII.
        {"inside", "#", "ab#c", 3},
        {"absent", "#", "abc", 0},
        {"empty text", "#", "", 0},
        {"first byte", "#", "#x", 1},
        {"last byte", "#", "abc#", 4},
        {"first of two", "#", "a#b#", 2},

        // "ミ" = 0x83 0x5F: its second byte is "_", the blank is the byte after it.
        {"katakana ending in _", "_", "\x83\x5F\x5F", 3},
        {"only the second byte", "_", "\x83\x5F", 0},
        {"second byte, later a blank", "_", "ab\x83\x5F x_", 7},
        // A full-width character, then "#": the byte two back is a lead byte.
        {"after a double-byte character", "#", "\x82\xA0\x23", 3},
        {"0x80 is no lead byte", "#", "x\x80#", 3},
        {"lone lead byte 0x81", "#", "\x81#", 0},
        {"lead byte 0xFC", "#", "x\xFC#", 0},

        // The first test refuses after half-width katakana and after 0xFD to 0xFF;
        // the later tests take those bytes for what they are.
        {"katakana then a second #", "#", "\xB1\x23\x62\x23", 4},
        {"only # after katakana", "#", "\xB1#", 0},
        {"katakana, # after katakana", "#", "\xB1#\xB2#", 4},
        {"0xFD then a later #", "#", "\xFD#\xFD#", 4},
        {"0xFF alone before #", "#", "a\xFF#", 0},
        {"later # after a lead byte", "#", "\xB1#\x81#", 0},
        {"later # after a whole character", "#", "\xB1#\x81\x81#", 5},
        {"later # at the start of the rest", "#", "\xB1##", 3},

        // A pattern of two bytes: the search goes on from the byte after the refused start.
        {"overlapping retry", "__", "\x83___", 3},
        {"retry refused again", "__", "\x83__\x83___", 6},
        {"pattern longer than text", "##", "#", 0},
    };
    for (const SearchCase& c : cases)
        EXPECT_EQ(DbcsPos(c.pattern, c.text), c.expected) << c.what;
}

} // namespace
