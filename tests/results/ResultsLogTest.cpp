#include <gtest/gtest.h>

#include <optional>

#include "fake/Drill.h"
#include "results/Figures.h"
#include "results/ResultsLog.h"
#include "results/ResultsTotals.h"
#include "results/ResultsWriter.h"

namespace {

using Lines = std::vector<std::string>;

// A log line with its three counted fields as written: run time, correct and wrong answers.
std::string record(const std::string& time, const std::string& correct, const std::string& wrong) {
    return "261206 005058-010203," + time + "020" + correct + wrong + "020" + "abc\r\n";
}

TEST(ResultsTotals, FiguresRoundHalvesUpAndFieldsReadDecimalOrDollarHex) {
    const std::pair<double, const char*> cases[] = {{3.125, "3.13"}, {0.285, "0.29"},   {1.005, "1.01"},
                                                    {0.004, "0.00"}, {-0.285, "-0.29"}, {-0.001, "0.00"}};
    for (const auto& [value, text] : cases)
        EXPECT_EQ(FormatFigure(value), text) << value;
    const std::pair<const char*, long long> numbers[] = {{"007", 7}, {" 42", 42}, {"-05", -5}, {"+5", 5}, {"$1f", 31}};
    for (const auto& [field, value] : numbers)
        EXPECT_EQ(ConvertRecordField(field), value) << field;
    for (const char* field : {"", "   ", "4 ", "$", "1F", "\x82\x50"}) // the last a full-width digit
        EXPECT_EQ(ConvertRecordField(field), std::nullopt) << '"' << field << '"';
}

// The log (none: no file), the time, rate and speed shown, and the boxes it gives.
TEST(ResultsTotals, SumTheLogIntoTimeRateAndSpeed) {
    std::string hours; // 7 * 999 s
    for (int i = 0; i < 7; ++i)
        hours += record("999", "999", "000");
    const std::tuple<std::optional<std::string>, Lines, std::size_t> cases[] = {
        {std::nullopt, {"  0:00", "  0.00", "  0.00"}, 0},
        {"", {"  0:00", "  0.00", "  0.00"}, 0},
        {record("600", "023", "003") + record("125", "010", "000"), {" 12:05", " 91.67", "  2.73"}, 0},
        {record("125", "000", "000"), {"  2:05", "  0.00", "  0.00"}, 0}, // no answers
        {record("000", "010", "000"), {"  0:00", "  0.00", "  0.00"}, 0}, // no time
        {record(" 42", "  1", "  0") + record("$1F", "$0A", "000") + record("-05", "000", "000"),
         {"  1:08", "100.00", "  9.71"},
         0},
        // A bad field ends its line, with one message; what converted before it counts.
        {record("100", "010", "000") + "abc\r\n" + record("050", "x10", "005") + "\r\n" + record("010", "005", "bad"),
         {"  2:40", "100.00", "  5.63"},
         4},
        {record("001", "999", "000"), {"  0:01", "100.00", "59940.00"}, 0}, // padding never cuts
        {hours + record("432", "432", "000"), {"123:45", "100.00", " 60.00"}, 0},
    };
    for (const auto& [log, shown, messages] : cases) {
        SCOPED_TRACE(testing::PrintToString(shown));
        Drill drill;
        drill.program.Mn1.FileLines.setText("question file");
        if (log)
            drill.platform.files[drill.logPath()] = *log;
        ShowResultsTotals(drill.program);
        const TMn1& w = drill.program.Mn1;
        EXPECT_EQ((Lines{w.LbSkip.caption(), w.LbHead3B.caption(), w.LbHead4B.caption()}), shown);
        EXPECT_EQ(drill.platform.messages, Lines(messages, sjis("QM7Kekka.DAT ｴﾗｰ! このﾌｧｲﾙをｺﾞﾐ箱に捨てて下さい!")));
        EXPECT_EQ(drill.platform.files.count(drill.logPath()), log ? 1u : 0u) << "the totals create no log";
        EXPECT_EQ(drill.program.Mn1.FileLines.lines(), Lines{"question file"}) << "the open file stays";
    }
}

const std::string Head = "261206 005058-010203,"; // opened at 00:50:58, finished at 01:02:03

// A finished run as the answer handling leaves it: 600 s of work across a wrap of the tick count.
struct ResultsWriter : ::testing::Test {
    ResultsWriter() {
        RunState& run = drill.program.Run;
        std::tie(run.QuestionTotal, run.CorrectCount, run.MissCount, run.RunStartTick) =
            std::make_tuple(20, 23, 3, 0xFFFFF000u);
        drill.platform.tick = run.RunStartTick + 600000;
        drill.platform.now = LocalTime{2026, 12, 6, 1, 2, 3};
    }

    // Writes as a new Open would allow, from a run tag with this base line.
    void write(const std::string& base = "abc") {
        drill.program.Run.RunTag = "261206 005058#" + base;
        RunHandler(drill.program, "WriteResultsRecord", [&] { WriteResultsRecord(drill.program); });
    }
    std::string& log() { return drill.platform.files[drill.logPath()]; }

    Drill drill;
};

TEST_F(ResultsWriter, AFirstRunCreatesOneLineByteForByte) {
    // Base line; milliseconds of the 600 s not counted, questions, correct, missed; the fields written.
    const std::tuple<std::string, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::string> cases[] = {
        {"abc", 0, 20, 23, 3, "600020023003020"},
        {"a#b\x83\x5C#\x95\x5C\xB1 ", 0, 20, 23, 3, "600020023003020"}, // "#", 0x5C second bytes, kana
        {"", 0, 999, 999, 999, "600999999999999"},
        {"abc", -600000, 1000, 1000, 0, "999999999000999"}, // 1200 s
        {"abc", 601000, 1, 12345, -1, "000001999000001"},   // -1 s
    };
    for (const auto& [base, overrun, total, correct, miss, fields] : cases) {
        RunState& run = drill.program.Run;
        std::tie(run.TimeOverrun, run.QuestionTotal, run.CorrectCount, run.MissCount) =
            std::make_tuple(overrun, total, correct, miss);
        drill.platform.files.clear();
        write(base);
        EXPECT_EQ(log(), Head + fields + base + "\r\n");
        EXPECT_EQ(run.RunTag, base) << "the stamp is used up";
    }
}

// Only one line is dropped, whatever the count: a longer hand-made log keeps its length. A failed write
// leaves the old log.
TEST_F(ResultsWriter, KeepsAtMost201LinesAndTheOldLogOnAFailure) {
    for (const auto& [before, dropped] : {std::pair(200, 0), std::pair(201, 1), std::pair(250, 1), std::pair(3, -1)}) {
        std::string old;
        for (int i = 0; i < before; ++i)
            old += "old " + std::to_string(100 + i) + "\r\n";
        log() = old;
        if (dropped < 0)
            drill.platform.unwritable.insert(drill.logPath());
        write();
        EXPECT_EQ(log(), dropped < 0 ? old : old.substr(dropped * 9) + Head + "600020023003020abc\r\n") << before;
    }
    EXPECT_EQ(drill.platform.errors,
              std::vector<std::string>{sjis("ﾌｧｲﾙ ") + drill.logPath() + sjis(" を作成できません") + "."});
}

} // namespace

// An installed program (its own files in ../share/qm7w/) keeps each learner's log in their data folder,
// whoever runs it; a copied one keeps it beside itself when this user can replace it there.
TEST_F(ResultsWriter, ALogThatCannotStayBesideTheProgramGoesToTheDataFolder) {
    using Env = std::map<std::string, std::string>;
    const std::string beside = "/opt/qm7w/QM7Kekka.DAT", data = "/home/a/.local/share/qm7w/QM7Kekka.DAT";
    // Installed, program folder writable, a log beside the program, the environment; where the log is.
    const std::tuple<bool, bool, bool, Env, std::string> cases[] = {
        {false, true, true, {{"HOME", "/home/a"}}, beside},
        {false, false, true, {{"HOME", "/home/a"}}, data}, // a log there that this user cannot replace
        {true, true, true, {{"HOME", "/home/a"}}, data},   // root could write there: not used all the same
        {true, true, false, {{"HOME", "/home/a"}, {"XDG_DATA_HOME", "/d"}}, "/d/qm7w/QM7Kekka.DAT"},
        {false, false, false, {{"HOME", "/home/a"}, {"XDG_DATA_HOME", "rel"}}, data}, // only absolute ones count
        {false, false, false, {}, beside}, // no home: the write then reports the program's folder
    };
    for (const auto& [installed, writable, present, environment, path] : cases) {
        SCOPED_TRACE(path);
        drill.platform.files.clear();
        drill.platform.files[installed ? "/opt/share/qm7w/Qm7wh.hlp" : "/opt/qm7w/Qm7wh.hlp"] = "help";
        drill.platform.readOnlyFolders = writable ? std::set<std::string>{} : std::set<std::string>{"/opt/qm7w/"};
        if (present)
            drill.platform.files[beside] = Head + "300010010000010old\r\n";
        bool used = present && path == beside;
        drill.platform.environment = environment;
        ShowResultsTotals(drill.program);
        EXPECT_EQ(drill.program.Mn1.LbSkip.caption(), used ? "  5:00" : "  0:00") << "the totals read there";
        drill.platform.fileEvents.clear();
        write();
        std::string folder = path.substr(0, path.rfind('/') + 1);
        std::vector<std::string> events = {"mkdir " + folder, "lock " + path};
        if (used)
            events.push_back("read " + path);
        events.insert(events.end(), {"replace " + path, "unlock " + path});
        EXPECT_EQ(drill.platform.fileEvents, events);
    }
    // A lock that cannot be had does not cost the record.
    drill.platform.lockFails = true;
    drill.platform.fileEvents.clear();
    write();
    EXPECT_EQ(drill.platform.fileEvents.back(), "replace " + beside);
}
