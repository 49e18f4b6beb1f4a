#include "results/ResultsHistory.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <iterator>

#include "app/Program.h"
#include "platform/AppError.h"
#include "results/Figures.h"
#include "results/ResultsLog.h"

namespace {

const std::string Unreadable = "?";

// Three two-digit numbers at a 1-based column ("yymmdd", "hhnnss"); nothing unless all six are digits.
std::optional<std::array<int, 3>> digitPairs(const std::string& line, std::size_t column) {
    std::size_t start = column - 1;
    if (start + 6 > line.size())
        return std::nullopt;
    std::array<int, 3> pairs{};
    for (std::size_t i = 0; i < 6; ++i) {
        char c = line[start + i];
        if (c < '0' || c > '9')
            return std::nullopt;
        pairs[i / 2] = pairs[i / 2] * 10 + (c - '0');
    }
    return pairs;
}

int daysInMonth(int year, int month) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

std::optional<LocalTime> readDate(const std::string& line) {
    auto pairs = digitPairs(line, 1);
    if (!pairs)
        return std::nullopt;
    auto [yy, month, day] = *pairs;
    // Two-digit years: logs kept since the last century read as such.
    int year = yy < 80 ? 2000 + yy : 1900 + yy;
    if (month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month))
        return std::nullopt;
    return LocalTime{year, month, day, 0, 0, 0};
}

std::optional<std::array<int, 3>> readTime(const std::string& line, std::size_t column) {
    auto pairs = digitPairs(line, column);
    if (!pairs || (*pairs)[0] > 23 || (*pairs)[1] > 59 || (*pairs)[2] > 59)
        return std::nullopt;
    return pairs;
}

std::string timeText(const std::optional<std::array<int, 3>>& time) {
    if (!time)
        return Unreadable;
    char text[40];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", (*time)[0], (*time)[1], (*time)[2]);
    return text;
}

std::string numberText(const std::optional<long long>& value) {
    return value ? std::to_string(*value) : Unreadable;
}

std::string minutesText(long long seconds) {
    std::string sign = seconds < 0 ? "-" : "";
    seconds = seconds < 0 ? -seconds : seconds;
    return sign + std::to_string(seconds / 60) + ":" + PadLeft(std::to_string(seconds % 60), 2, '0');
}

HistoryRow readRow(const std::string& line) {
    HistoryRow row;
    std::optional<LocalTime> date = readDate(line);
    std::optional<std::array<int, 3>> start = readTime(line, 8);
    if (date) {
        char text[40];
        std::snprintf(text, sizeof text, "%04d/%02d/%02d", date->year, date->month, date->day);
        row.date = text;
        if (start)
            row.started = LocalTime{date->year, date->month, date->day, (*start)[0], (*start)[1], (*start)[2]};
    } else {
        row.date = Unreadable;
    }
    row.start = timeText(start);
    row.end = timeText(readTime(line, 15));

    std::optional<long long> seconds = ReadRecordField(line, RunTimeColumn);
    std::optional<long long> correct = ReadRecordField(line, CorrectColumn);
    std::optional<long long> wrong = ReadRecordField(line, WrongColumn);
    row.workTime = seconds ? minutesText(*seconds) : Unreadable;
    row.questions = numberText(ReadRecordField(line, QuestionsColumn));
    row.correct = numberText(correct);
    row.misses = numberText(wrong);
    // The rate needs no time and the speed no misses; a time of 0 still makes both 0, as in the totals.
    RunFigures figures = ComputeRunFigures(seconds.value_or(1), correct.value_or(0), wrong.value_or(0));
    if (correct && wrong)
        row.rateValue = figures.rate;
    if (correct && seconds)
        row.speedValue = figures.speed;
    row.rate = row.rateValue ? FormatFigure(*row.rateValue) : Unreadable;
    row.speed = row.speedValue ? FormatFigure(*row.speedValue) : Unreadable;
    row.drill = line.size() >= BaseLineColumn ? line.substr(BaseLineColumn - 1) : std::string();
    return row;
}

} // namespace

ResultsHistory ReadResultsHistory(Program& program) {
    ResultsHistory history;
    std::optional<std::string> path = ResultsLogPath(program);
    if (!path || !program.platform.fileExists(*path))
        return history;
    LineList log;
    try {
        log.loadFromFile(program.platform, *path);
    } catch (const AppError& error) {
        history.problem = error.what();
        return history;
    }
    for (const std::string& line : log.lines())
        history.rows.push_back(readRow(line));

    // The newest record comes last, so a backward walk meets the most recently worked drill first.
    for (auto row = history.rows.rbegin(); row != history.rows.rend(); ++row) {
        auto known = std::find_if(history.drills.begin(), history.drills.end(),
                                  [&](const HistoryDrill& drill) { return drill.baseLine == row->drill; });
        if (known == history.drills.end())
            history.drills.push_back(HistoryDrill{row->drill, 1});
        else
            ++known->runs;
    }
    return history;
}

std::vector<HistoryRow> HistoryRowsOf(const ResultsHistory& history, const std::optional<std::string>& baseLine) {
    std::vector<HistoryRow> rows;
    std::copy_if(history.rows.begin(), history.rows.end(), std::back_inserter(rows),
                 [&](const HistoryRow& row) { return !baseLine || row.drill == *baseLine; });
    return rows;
}
