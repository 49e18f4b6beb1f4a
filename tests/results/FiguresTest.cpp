#include <gtest/gtest.h>

#include "results/Figures.h"
#include "results/ResultsLog.h"

namespace {

TEST(Figures, FormatFigureRoundsToTwoDecimals) {
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {3.125, "3.13"}, // an exact half rounds up
        {0.285, "0.29"}, // stored a hair below the half, still rounds up
        {1.005, "1.01"},
        {2.5, "2.50"},
        {100, "100.00"},
        {0, "0.00"}, // at least one integer digit
        {0.004, "0.00"},
        {0.005, "0.01"},
        {1234.5, "1234.50"}, // no thousands separator
        {33.0 * 100 / 36, "91.67"},
        {33.0 * 60 / 725, "2.73"},
        {-2.5, "-2.50"},
        {-0.285, "-0.29"}, // away from zero
        {-0.001, "0.00"},  // no "-0.00"
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatFigure(c.value), c.text) << c.value;
}

TEST(Figures, PadLeftNeverCuts) {
    EXPECT_EQ(PadLeft("5", 3, '0'), "005");
    EXPECT_EQ(PadLeft("", 2, '0'), "00");
    EXPECT_EQ(PadLeft("2.73", 6, ' '), "  2.73");
    EXPECT_EQ(PadLeft("100.00", 6, ' '), "100.00");
    EXPECT_EQ(PadLeft("1234.50", 6, ' '), "1234.50");
    EXPECT_EQ(PadLeft("123", 0, ' '), "123");
}

TEST(ResultsLog, ConvertRecordField) {
    struct Case {
        const char* field;
        std::optional<long long> value;
    };
    const Case cases[] = {
        {"600", 600},
        {"007", 7},
        {" 42", 42},
        {"  7", 7},
        {"-5", -5},
        {"-05", -5},
        {"+5", 5},
        {" -5", -5},
        {"$1F", 31},
        {"$1f", 31},
        {"$0", 0},
        // Bad: nothing, blanks only, trailing or inner blanks, no digits after the sign or "$",
        // other bases, full-width digits.
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"4 ", std::nullopt},
        {"- 5", std::nullopt},
        {"-", std::nullopt},
        {"$", std::nullopt},
        {"$G", std::nullopt},
        {"1F", std::nullopt},
        {"0x1", std::nullopt},
        {"1.5", std::nullopt},
        {"\x82\x50", std::nullopt},
        {"abc", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ConvertRecordField(c.field), c.value) << '"' << c.field << '"';
}

} // namespace
