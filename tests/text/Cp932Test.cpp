#include <gtest/gtest.h>

#if __has_include(<iconv.h>)
#include <iconv.h>
#endif
#include <optional>

#include "text/Cp932.h"
#include "text/Utf8.h"

namespace {

using Case = std::pair<std::string, std::string>;

// Texts of many characters; each character alone is compared with glibc below.
TEST(Cp932, ConvertsBothWaysByteForByte) {
    const Case cases[] = {
        {"QM7W abc 123 \\~", "QM7W abc 123 \\~"},              // backslash and tilde stay ASCII
        {"ｱﾌｧソ表～", "\xB1\xCC\xA7\x83\x5C\x95\x5C\x81\x60"}, // half-width katakana, second bytes 0x5C
    };
    for (const auto& [text, bytes] : cases) {
        // Printed as escaped bytes, so a failure names the byte that went wrong.
        EXPECT_EQ(testing::PrintToString(encodeCp932(text)), testing::PrintToString(bytes)) << text;
        EXPECT_EQ(decodeCp932(bytes), text);
    }
}

TEST(Cp932, BadBytesDecodeAsReplacementAndMissingCharactersEncodeAsQuestionMark) {
    const std::string bad = "\xEF\xBF\xBD"; // U+FFFD
    const Case decoded[] = {
        {"ab\x95", "ab" + bad},                                // a lead byte cut off at the end
        {"\x83\r\n", bad + "\r\n"},                            // a lead byte before a byte that cannot follow it
        {"\x85\x40z\xEB\x40\x82\xA0", bad + "z" + bad + "あ"}, // pairs that name no character count as one
        {"\x80\xFD\xFFz", bad + bad + bad + "z"},
    };
    for (const auto& [bytes, text] : decoded)
        EXPECT_EQ(decodeCp932(bytes), text);

    const Case encoded[] = {
        {"한😀é caf\xE9/\xFFx", "??? caf?/?x"}, // Hangul, emoji, Latin-1; bytes that are no UTF-8 (file names)
        {"a\xE3\x81", "a?"},                   // UTF-8 cut off at the end
    };
    for (const auto& [text, bytes] : encoded)
        EXPECT_EQ(encodeCp932(text), bytes);
    // File text stops at bytes that are no UTF-8: an overlong slash, a lone continuation byte, a cut-off character,
    // and at a character CP932 lacks.
    for (std::string bad : {"\xC0\xAF", "\x80", "\xE3\x81", "\xF0\x9F\x98\x80"}) {
        std::string out;
        EXPECT_EQ(encodeCp932Prefix("a" + bad, out), 1u) << testing::PrintToString(bad);
    }
}

#if __has_include(<iconv.h>)
// glibc's answer for `text`, or nothing where it refuses any of it.
std::optional<std::string> iconvConvert(const char* to, const char* from, std::string text) {
    iconv_t cd = iconv_open(to, from);
    std::string out(16, '\0');
    char *in = text.data(), *target = out.data();
    std::size_t inLeft = text.size(), outLeft = out.size();
    bool refused = iconv(cd, &in, &inLeft, &target, &outLeft) == static_cast<std::size_t>(-1) || inLeft > 0;
    iconv_close(cd);
    return refused ? std::nullopt : std::optional(out.substr(0, out.size() - outLeft));
}
#endif

// The table was generated from glibc's converter; every character must come out as glibc converts it.
TEST(Cp932, ConvertsEveryCharacterAsGlibcDoes) {
#if !__has_include(<iconv.h>)
    GTEST_SKIP() << "no iconv here to compare the table with";
#else
    int mismatches = 0;
    auto expectSame = [&](const std::string& actual, const std::optional<std::string>& glibc, unsigned value) {
        if (actual != glibc.value_or("?") && ++mismatches <= 5)
            ADD_FAILURE() << std::hex << value << ": " << testing::PrintToString(actual);
    };
    for (char32_t c = 0x80; c < 0x10000; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF)
            continue;
        std::string utf8, out;
        appendUtf8(utf8, c);
        std::optional<std::string> glibc = iconvConvert("CP932", "UTF-8", utf8);
        expectSame(encodeCp932(utf8), glibc, c);
        std::size_t converted = encodeCp932Prefix(utf8 + "z", out);
        expectSame(converted == 0 ? "?" : out.substr(0, out.size() - 1), glibc, c);
    }
    for (unsigned code = 0; code < 0x10000; ++code) {
        std::string bytes = code < 0x100 ? std::string(1, char(code)) : std::string{char(code >> 8), char(code)};
        std::optional<std::string> glibc = iconvConvert("UTF-8", "CP932", bytes);
        if (glibc || bytes.size() == 1)
            expectSame(decodeCp932(bytes), glibc.value_or("\xEF\xBF\xBD"), code);
    }
#endif
}

} // namespace
