#include <gtest/gtest.h>

#include "fake/Drill.h"
#include "results/HistoryCsv.h"
#include "results/HistoryView.h"
#include "results/ResultsHistory.h"
#include "text/Cp932.h"

namespace {

using Lines = std::vector<std::string>;

Lines cells(const HistoryRow& row) {
    return {row.date,    row.start,  row.end,  row.workTime, row.questions,
            row.correct, row.misses, row.rate, row.speed,    row.drill};
}

TEST(ResultsHistory, RowsReadTheFieldsAsTheTotalsDoAndShowQuestionMarksForTheRest) {
    Drill drill;
    drill.platform.files[drill.logPath()] =
        "261206 005058-010203,600020023003020abc\r\n"
        "261207 011000-011205,125020010000020abc\r\n"
        "2613x6 256000-0102ab, 4x020 23   020\r\n"    // broken fields
        "280229 000000-000000,000001005000001abc\r\n" // no time: 0, as in the totals
        "270229 235959-235959,$0A001  6000001\r\n"    // no such day
        "261206 0050\r\n";
    const Lines expected[] = {
        {"2026/12/06", "00:50:58", "01:02:03", "10:00", "20", "23", "3", "88.46", "2.30", "abc"},
        {"2026/12/07", "01:10:00", "01:12:05", "2:05", "20", "10", "0", "100.00", "4.80", "abc"},
        {"?", "?", "?", "?", "20", "23", "?", "?", "?", ""},
        {"2028/02/29", "00:00:00", "00:00:00", "0:00", "1", "5", "0", "0.00", "0.00", "abc"},
        {"?", "23:59:59", "23:59:59", "0:10", "1", "6", "0", "100.00", "36.00", ""},
        {"2026/12/06", "?", "?", "?", "?", "?", "?", "?", "?", ""},
    };
    ResultsHistory history = ReadResultsHistory(drill.program);
    std::vector<HistoryRow> rows = HistoryRowsOf(history, std::nullopt);
    ASSERT_EQ(rows.size(), std::size(expected));
    for (std::size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(cells(rows[i]), expected[i]);
    EXPECT_FALSE(rows[2].rateValue || rows[2].speedValue || rows[5].started);
    EXPECT_EQ(HistoryCsv({rows[0], rows[1], rows[2]}, true),
              "\xEF\xBB\xBF日付,開始,終了,時間,問題数,正解,誤答,正解率(%),分速,問題\r\n"
              "2026/12/06,00:50:58,01:02:03,10:00,20,23,3,88.46,2.30,abc\r\n"
              "2026/12/07,01:10:00,01:12:05,2:05,20,10,0,100.00,4.80,abc\r\n"
              "?,?,?,?,20,23,?,?,?,\r\n");
    EXPECT_TRUE(drill.platform.messages.empty() && history.problem.empty());
}

TEST(ResultsHistory, DrillsComeMostRecentFirstAndChooseTheirRuns) {
    Drill drill;
    std::string log;
    for (const char* base : {"verb1", "英語", "kanji", "verb1", "英語", "英語"})
        log += "261206 005058-010203,600020023003020" + sjis(base) + "\r\n";
    drill.platform.files[drill.logPath()] = log;
    ResultsHistory history = ReadResultsHistory(drill.program);
    std::vector<std::pair<std::string, int>> drills;
    for (const HistoryDrill& known : history.drills)
        drills.emplace_back(known.baseLine, known.runs);
    EXPECT_EQ(drills, (decltype(drills){{sjis("英語"), 3}, {"verb1", 2}, {"kanji", 1}}));
    std::vector<std::size_t> counts;
    for (auto drill : {std::optional<std::string>("verb1"), {"kanji"}, {}, {"gone"}})
        counts.push_back(HistoryRowsOf(history, drill).size());
    EXPECT_EQ(counts, (std::vector<std::size_t>{2, 1, 6, 0}));
    std::vector<HistoryChoice> choices = HistoryChoices(history);
    ASSERT_EQ(choices.size(), 4u);
    EXPECT_EQ(std::tie(choices[0].label, choices[3].label, choices[3].baseLine),
              std::make_tuple("英語（3回）", "すべて（6回）", std::nullopt));
    EXPECT_EQ(HistoryChoiceIndex(choices, "kanji") + HistoryChoiceIndex(choices, "gone"), 2u);

    // A log that cannot be read: no runs and the reason, never a box.
    drill.platform.unreadable.insert(drill.logPath());
    history = ReadResultsHistory(drill.program);
    EXPECT_TRUE(history.runs == 0 && history.newest.empty() && history.drills.empty());
    EXPECT_EQ(history.problem, sjis("ﾌｧｲﾙ ") + drill.logPath() + sjis(" は開けません"));
    EXPECT_EQ(HistoryNote(history, 0, 0),
              "成績の記録を読めません: ﾌｧｲﾙ " + decodeCp932(drill.logPath()) + " は開けません");
    EXPECT_TRUE(drill.platform.messages.empty() && drill.platform.errors.empty());
}

// A log of any length: the newest runs of each drill and of all, the drills worked last, and how many
// runs each view leaves out. Lines are kept only up to a length no base line reaches.
TEST(ResultsHistory, ALongLogKeepsItsNewestRunsAndDrillsAndCountsTheRest) {
    Drill drill;
    const std::string head = "261206 005058-010203,600020023003020";
    std::string log;
    for (std::size_t i = 0; i <= HistoryDrillLimit; ++i) // one drill too many
        log += head + "d" + std::to_string(i) + "\r\n";
    for (std::size_t i = 0; i < HistoryRunLimit; ++i)
        log += "261207 011000-011205," + std::to_string(100 + i % 900) + "020010000020d1\r\n";
    log += head + std::string(2000, 'x') + "\r\n";
    drill.platform.files[drill.logPath()] = log;
    ResultsHistory history = ReadResultsHistory(drill.program);
    ASSERT_EQ(history.drills.size(), HistoryDrillLimit);
    EXPECT_EQ(history.drills[0].baseLine, std::string(1024 - head.size(), 'x'));
    EXPECT_EQ(std::tie(history.drills[1].baseLine, history.drills[1].runs), std::make_tuple("d1", 1001));
    EXPECT_EQ(history.runs, static_cast<long long>(HistoryDrillLimit + HistoryRunLimit + 2));
    std::vector<HistoryRow> rows = HistoryRowsOf(history, "d1");
    ASSERT_EQ(rows.size(), HistoryRunLimit);
    EXPECT_EQ(std::tie(rows.front().date, rows.front().workTime, rows.back().workTime, rows.back().drill),
              std::make_tuple("2026/12/07", "1:40", "3:19", "d1"));
    EXPECT_EQ(RunsLeftOut(history, "d1"), 1);
    EXPECT_EQ(HistoryRowsOf(history, std::nullopt).size(), HistoryRunLimit);
    EXPECT_EQ(RunsLeftOut(history, std::nullopt), static_cast<long long>(HistoryDrillLimit + 2));
    EXPECT_EQ(UnlistedRuns(history), 2); // d0 and d2, pushed out by d201 and the long one
    EXPECT_EQ(HistoryNote(history, 1000, 1), "新しい1000回を表示しています（それより古い1回は表示しません）。\n"
                                             "一覧にない古い問題の記録が2回あります（「すべて」に含まれます）。");
}

// The chart takes the dated runs in time order, a speed axis of five round steps above the fastest, and a
// date axis with a margin, its labels with the hour within a few days and the year across one.
TEST(ResultsHistory, TheChartPlacesDatedRunsOnRoundAxes) {
    auto row = [](std::optional<LocalTime> started, std::optional<double> rate, std::optional<double> speed) {
        HistoryRow made;
        std::tie(made.started, made.rateValue, made.speedValue) = std::tie(started, rate, speed);
        return made;
    };
    const LocalTime leapNight{2028, 2, 29, 23, 59, 59}, newYear{2029, 1, 1, 0, 0, 0}, now{2026, 12, 6, 9, 30, 0};
    HistoryPlot plot =
        PlotOf({row(newYear, 50, 4.8), row(std::nullopt, 90, 9), row(leapNight, std::nullopt, 0.5)}, now);
    EXPECT_TRUE(plot.rates.size() == 1 && plot.speeds.size() == 2 && plot.speeds[0].value == 0.5);
    EXPECT_EQ(plot.speeds[1].time - plot.speeds[0].time, 306 * 24 * 3600 + 1);
    EXPECT_EQ(plot.speedTop, 10); // 4.8 and 5 % more in steps of 2
    EXPECT_EQ(PlotDateText(plot, plot.speeds[0].time), "2028/02/29");
    EXPECT_EQ(plot.from, plot.speeds[0].time - (plot.to - plot.speeds[1].time));
    for (LocalTime time : {leapNight, newYear, LocalTime{1980, 1, 1, 0, 0, 0}})
        EXPECT_EQ(PlotTimeOf(LocalTimeOf(PlotTimeOf(time))), PlotTimeOf(time));

    plot = PlotOf({}, now); // no runs: a day around now, the speed up to 1
    EXPECT_TRUE(plot.rates.empty() && plot.speedTop == 1 && plot.to - plot.from == 24 * 3600);
    EXPECT_EQ(PlotDateText(plot, plot.from), "12/05 21:30");
}

} // namespace
