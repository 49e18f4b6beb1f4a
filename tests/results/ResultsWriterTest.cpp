#include <gtest/gtest.h>

#include "fake/Drill.h"
#include "platform/AppError.h"
#include "results/ResultsWriter.h"

namespace {

// A finished run as the answer handling leaves it: opened at 00:50:58, 600 s of work, ending at 01:02:03.
struct ResultsWriter : ::testing::Test {
    ResultsWriter() {
        RunState& run = drill.program.Run;
        run.RunTag = "261206 005058#abc";
        run.QuestionTotal = 20;
        run.CorrectCount = 23;
        run.MissCount = 3;
        run.RunStartTick = drill.platform.tick;
        run.TimeOverrun = 0;
        drill.platform.tick += 600000;
        drill.platform.now = LocalTime{2026, 12, 6, 1, 2, 3};
    }

    std::string log() { return drill.platform.files[drill.logPath()]; }
    std::vector<std::string> logLines() {
        LineList lines;
        lines.setText(log());
        return lines.lines();
    }
    void writeLog(int count) {
        std::string bytes;
        for (int i = 0; i < count; ++i)
            bytes += "old " + std::to_string(i) + "\r\n";
        drill.platform.files[drill.logPath()] = bytes;
    }
    std::string written() { return logLines().back(); }

    Drill drill;
};

TEST_F(ResultsWriter, AFirstRunCreatesOneLine) {
    WriteResultsRecord(drill.program);
    EXPECT_EQ(log(), "261206 005058-010203,600020023003020abc\r\n");
    EXPECT_EQ(drill.program.Run.ElapsedSeconds, 600);
    EXPECT_EQ(drill.program.Run.RunTag, "abc") << "the stamp is used up";
    EXPECT_TRUE(drill.platform.messages.empty());
}

TEST_F(ResultsWriter, TheBaseLineIsWrittenByteForByte) {
    // A "#" in the base line, double-byte characters with a 0x5C second byte, half-width katakana.
    const std::string base = "a#b\x83\x5C#\x95\x5C\xB1 ";
    drill.program.Run.RunTag = "261206 005058#" + base;
    WriteResultsRecord(drill.program);
    EXPECT_EQ(written(), "261206 005058-010203,600020023003020" + base);
    EXPECT_EQ(drill.program.Run.RunTag, base);

    // An empty base line leaves the 36 fixed columns alone.
    drill.platform.files.clear();
    drill.program.RecordWritten = false;
    drill.program.Run.RunTag = "261206 005058#";
    WriteResultsRecord(drill.program);
    EXPECT_EQ(log(), "261206 005058-010203,600020023003020\r\n");
}

TEST_F(ResultsWriter, KeepsAtMost201LinesWrittenByTheProgram) {
    struct Case {
        int before;
        int after;
        const char* first;
    };
    // Only one line is dropped, whatever the count: a hand-made longer log keeps its length.
    const Case cases[] = {{0, 1, "261206 005058-010203,600020023003020abc"},
                          {200, 201, "old 0"},
                          {201, 201, "old 1"},
                          {250, 250, "old 1"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before);
        if (c.before > 0)
            writeLog(c.before);
        else
            drill.platform.files.erase(drill.logPath());
        drill.program.RecordWritten = false;
        drill.program.Run.RunTag = "261206 005058#abc";
        WriteResultsRecord(drill.program);
        std::vector<std::string> lines = logLines();
        ASSERT_EQ(static_cast<int>(lines.size()), c.after);
        EXPECT_EQ(lines.front(), c.first);
        EXPECT_EQ(lines.back(), "261206 005058-010203,600020023003020abc");
    }
}

TEST_F(ResultsWriter, AFailedWriteLeavesTheOldLog) {
    const std::string old = "261206 004000-004500,300010010000010old\r\n";
    drill.platform.files[drill.logPath()] = old;
    drill.platform.unwritable.insert(drill.logPath());
    EXPECT_THROW(WriteResultsRecord(drill.program), AppError);
    EXPECT_EQ(log(), old);

    drill.platform.files.erase(drill.logPath());
    drill.program.RecordWritten = false;
    drill.program.Run.RunTag = "261206 005058#abc";
    RunHandler(drill.program, [&] { WriteResultsRecord(drill.program); });
    EXPECT_EQ(drill.platform.files.count(drill.logPath()), 0u);
    EXPECT_EQ(drill.platform.errors,
              std::vector<std::string>{sjis("ﾌｧｲﾙ ") + drill.logPath() + sjis(" を作成できません") + "."});
}

TEST_F(ResultsWriter, NumbersOutsideThreeDigitsAreClamped) {
    struct Case {
        std::int32_t overrun; // ms of the 600 s not counted
        std::int32_t total, correct, miss;
        const char* fields;
    };
    const Case cases[] = {
        {0, 999, 999, 999, "600999999999999"},
        {-600000, 20, 1000, 0, "999020999000020"}, // 1200 s
        {601000, 1, 12345, -1, "000001999000001"}, // -1 s
        {0, 1000, 0, 0, "600999000000999"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fields);
        drill.platform.files.erase(drill.logPath());
        drill.program.RecordWritten = false;
        RunState& run = drill.program.Run;
        run.RunTag = "261206 005058#abc";
        run.TimeOverrun = c.overrun;
        run.QuestionTotal = c.total;
        run.CorrectCount = c.correct;
        run.MissCount = c.miss;
        WriteResultsRecord(drill.program);
        EXPECT_EQ(written(), std::string("261206 005058-010203,") + c.fields + "abc");
    }
    EXPECT_EQ(drill.program.Run.ElapsedSeconds, 600) << "only the record is clamped";
}

TEST_F(ResultsWriter, ElapsedSecondsTruncateAndSurviveATickWrap) {
    struct Case {
        std::uint32_t start, now;
        std::int32_t overrun;
        std::int32_t seconds;
    };
    const Case cases[] = {
        {1000, 2999, 0, 1},                                   // 1999 ms
        {1000, 1999, 0, 0},           {1000, 2000, 1500, 0},  // -500 ms
        {1000, 2000, 2999, -1},                               // -1999 ms: toward zero, not -2
        {0xFFFFF000u, 5000, 0, 9},                            // 4096 + 5000 ms across the wrap
        {0xFFFFF000u, 5000, 3000, 6}, {0, 0xFFFFFFFFu, 0, 0}, // one millisecond before the start: -1 ms
    };
    for (const Case& c : cases) {
        drill.program.RecordWritten = false;
        RunState& run = drill.program.Run;
        run.RunTag = "261206 005058#abc";
        run.RunStartTick = c.start;
        run.TimeOverrun = c.overrun;
        drill.platform.tick = c.now;
        WriteResultsRecord(drill.program);
        EXPECT_EQ(run.ElapsedSeconds, c.seconds) << c.start << " " << c.now << " " << c.overrun;
    }
}

TEST_F(ResultsWriter, WritesOncePerOpen) {
    WriteResultsRecord(drill.program);
    drill.platform.tick += 5000;
    WriteResultsRecord(drill.program);
    EXPECT_EQ(logLines().size(), 1u);
    EXPECT_EQ(drill.program.Run.ElapsedSeconds, 600);

    // Through real runs: each Open allows one more record, with the end time of its own finish.
    drill.writeFile("one.m7", {"Title", "base", "I ___ a student.", "#am#is#are", "1"});
    for (int second : {10, 20}) {
        drill.platform.now.second = 3;
        drill.open("one.m7");
        drill.platform.now.second = second;
        drill.press(drill.key());
        ASSERT_EQ(drill.program.Phase, RunPhase::Finished);
        drill.press(drill.key());
    }
    std::vector<std::string> lines = logLines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1].substr(0, 21), "261206 010203-010210,");
    EXPECT_EQ(lines[2].substr(0, 21), "261206 010203-010220,");
    EXPECT_EQ(lines[2].substr(24), "001001000001base");
}

} // namespace
