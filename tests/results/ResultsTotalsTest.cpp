#include <gtest/gtest.h>

#include "fake/Drill.h"
#include "results/ResultsTotals.h"

namespace {

// A record with its three counted fields as written (three bytes each).
std::string record(const std::string& time, const std::string& correct, const std::string& wrong) {
    return "261206 005058-010203," + time + "020" + correct + wrong + "020" + "abc";
}

const std::string BadLogMessage = "QM7Kekka.DAT \xB4\xD7\xB0! \x82\xB1\x82\xCC\xCC\xA7\xB2\xD9\x82\xF0\xBA\xDE\xD0"
                                  "\x94\xA0\x82\xC9\x8E\xCC\x82\xC4\x82\xC4\x89\xBA\x82\xB3\x82\xA2!";

struct ResultsTotals : ::testing::Test {
    void writeLog(const std::vector<std::string>& lines) {
        std::string bytes;
        for (const std::string& line : lines)
            bytes += line + "\r\n";
        drill.platform.files[drill.logPath()] = bytes;
    }

    // The three captions after the totals were shown: time, rate, speed.
    std::vector<std::string> shown() {
        ShowResultsTotals(drill.program);
        const TMn1& window = drill.program.Mn1;
        return {window.LbSkip.caption(), window.LbHead3B.caption(), window.LbHead4B.caption()};
    }

    using Captions = std::vector<std::string>;
    Drill drill;
};

TEST_F(ResultsTotals, NoLogOrAnEmptyLogShowsZerosQuietly) {
    EXPECT_EQ(shown(), (Captions{"  0:00", "  0.00", "  0.00"}));
    EXPECT_EQ(drill.platform.files.count(drill.logPath()), 0u) << "the totals create no log";
    writeLog({});
    EXPECT_EQ(shown(), (Captions{"  0:00", "  0.00", "  0.00"}));
    EXPECT_TRUE(drill.platform.messages.empty());
}

TEST_F(ResultsTotals, SumsEveryRecord) {
    writeLog({record("600", "023", "003"), record("125", "010", "000")});
    EXPECT_EQ(shown(), (Captions{" 12:05", " 91.67", "  2.73"}));
    EXPECT_TRUE(drill.platform.messages.empty());

    // No answers at all, but time: both figures are zero.
    writeLog({record("125", "000", "000")});
    EXPECT_EQ(shown(), (Captions{"  2:05", "  0.00", "  0.00"}));
    // Answers without time: no division by zero.
    writeLog({record("000", "010", "000")});
    EXPECT_EQ(shown(), (Captions{"  0:00", "  0.00", "  0.00"}));
}

TEST_F(ResultsTotals, FieldsConvertLikeNumbers) {
    // Leading blanks, hexadecimal and a negative run time all count: 42 + 31 - 5 = 68 s, 11 of 11.
    writeLog({record(" 42", "  1", "  0"), record("$1F", "$0A", "000"), record("-05", "000", "000")});
    EXPECT_EQ(shown(), (Captions{"  1:08", "100.00", "  9.71"}));
    EXPECT_TRUE(drill.platform.messages.empty());
}

TEST_F(ResultsTotals, BadLinesShowOneMessageEachAndKeepWhatConverted) {
    writeLog({
        record("100", "010", "000"),
        "abc",                       // only three characters: nothing counts
        record("050", "x10", "005"), // the time counts, the rest of the line does not
        "",                          // an empty line has no fields either
        record("010", "005", "bad"), // time and correct answers count
    });
    EXPECT_EQ(shown(), (Captions{"  2:40", "100.00", "  5.63"})); // 160 s, 15 of 15, 15 * 60 / 160
    EXPECT_EQ(drill.platform.messages, std::vector<std::string>(4, BadLogMessage));
    EXPECT_EQ(BadLogMessage, sjis("QM7Kekka.DAT ｴﾗｰ! このﾌｧｲﾙをｺﾞﾐ箱に捨てて下さい!"));

    drill.platform.messages.clear();
    writeLog({"abc", "abc"});
    EXPECT_EQ(shown(), (Captions{"  0:00", "  0.00", "  0.00"}));
    EXPECT_EQ(drill.platform.messages.size(), 2u);
}

TEST_F(ResultsTotals, PaddingNeverCuts) {
    // 7 * 999 + 432 = 7425 s = 123:45, one correct answer a second.
    std::vector<std::string> lines(7, record("999", "999", "000"));
    lines.push_back(record("432", "432", "000"));
    writeLog(lines);
    EXPECT_EQ(shown(), (Captions{"123:45", "100.00", " 60.00"}));

    writeLog({record("001", "999", "000")});
    EXPECT_EQ(shown(), (Captions{"  0:01", "100.00", "59940.00"}));
}

TEST_F(ResultsTotals, LeaveTheLogAndTheOpenFileAlone) {
    // Odd line ends, a bad line and no final line end: the totals change no byte of it.
    const std::string bytes = record("600", "023", "003") + "\n" + "junk\r" + record("125", "010", "000");
    drill.platform.files[drill.logPath()] = bytes;
    drill.program.Mn1.FileLines.setText("question file\r\nline\r\n");
    EXPECT_EQ(shown(), (Captions{" 12:05", " 91.67", "  2.73"}));
    EXPECT_EQ(drill.platform.files[drill.logPath()], bytes);
    EXPECT_EQ(drill.program.Mn1.FileLines.text(), "question file\r\nline\r\n");
}

TEST_F(ResultsTotals, AnUnreadableLogStopsTheOpen) {
    writeLog({record("600", "023", "003")});
    drill.platform.unreadable.insert(drill.logPath());
    drill.writeFile("one.m7", {"Title", "base", "I ___ a student.", "#am#is#are", "1"});
    drill.open("one.m7");
    EXPECT_EQ(drill.platform.errors,
              std::vector<std::string>{sjis("ﾌｧｲﾙ ") + drill.logPath() + sjis(" は開けません") + "."});
    EXPECT_EQ(drill.program.Phase, RunPhase::NoFile);
    EXPECT_EQ(drill.program.Mn1.FileLines.count(), 0);
}

} // namespace
