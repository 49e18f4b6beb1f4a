#include "results/ResultsHistory.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <iterator>
#include <list>
#include <string_view>
#include <unordered_map>

#include "model/Program.h"
#include "platform/AppError.h"
#include "results/Figures.h"
#include "results/ResultsLog.h"
#include "text/LineCutter.h"

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

// A record's line is kept up to here: its fields come first, and no drill's base line is that long.
constexpr std::size_t KeptLineLength = 1024;

// Once the runs are at their limit, the oldest one's string takes the new one, so that reading a long
// log allocates nothing per record.
void keepNewest(std::deque<std::string>& runs, std::string_view run) {
    std::string kept;
    if (runs.size() == HistoryRunLimit) {
        kept = std::move(runs.front());
        runs.pop_front();
    }
    kept.assign(run);
    runs.push_back(std::move(kept));
}

struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
};

// The drills worked most recently, each with its newest runs, while the log is read from its oldest
// record on: a drill that comes back to the front, or a new one that pushes out the one worked longest
// ago, so that no log makes the list longer than its limit.
class RecentDrills {
public:
    void add(std::string_view line) {
        std::size_t fixed = BaseLineColumn - 1;
        std::string_view baseLine = line.substr(std::min(fixed, line.size()));
        auto known = m_index.find(baseLine);
        if (known != m_index.end()) {
            m_order.splice(m_order.begin(), m_order, known->second);
        } else {
            if (m_order.size() == HistoryDrillLimit) {
                m_index.erase(m_order.back().baseLine);
                m_order.pop_back();
            }
            m_order.push_front(HistoryDrill{std::string(baseLine), 0, {}});
            m_index.emplace(baseLine, m_order.begin());
        }
        HistoryDrill& drill = m_order.front();
        ++drill.runs;
        keepNewest(drill.newest, line.substr(0, fixed));
    }

    std::vector<HistoryDrill> drills() {
        return {std::make_move_iterator(m_order.begin()), std::make_move_iterator(m_order.end())};
    }

private:
    std::list<HistoryDrill> m_order; // the most recently worked first
    std::unordered_map<std::string, std::list<HistoryDrill>::iterator, TextHash, std::equal_to<>> m_index;
};

const HistoryDrill* findDrill(const ResultsHistory& history, const std::string& baseLine) {
    auto found = std::find_if(history.drills.begin(), history.drills.end(),
                              [&](const HistoryDrill& drill) { return drill.baseLine == baseLine; });
    return found == history.drills.end() ? nullptr : &*found;
}

} // namespace

ResultsHistory ReadResultsHistory(Program& program) {
    ResultsHistory history;
    std::optional<std::string> path = ResultsLogPath(program);
    if (!path || !program.platform.files.fileExists(*path))
        return history;
    RecentDrills drills;
    try {
        readFileLines(program.platform.files, *path, KeptLineLength, [&](std::string_view line) {
            ++history.runs;
            keepNewest(history.newest, line);
            drills.add(line);
        });
    } catch (const AppError& error) {
        return ResultsHistory{{}, {}, 0, error.what()};
    }
    history.drills = drills.drills();
    return history;
}

std::vector<HistoryRow> HistoryRowsOf(const ResultsHistory& history, const std::optional<std::string>& baseLine) {
    std::vector<HistoryRow> rows;
    if (!baseLine) {
        for (const std::string& line : history.newest)
            rows.push_back(readRow(line));
    } else if (const HistoryDrill* drill = findDrill(history, *baseLine)) {
        for (const std::string& fixed : drill->newest)
            rows.push_back(readRow(fixed + drill->baseLine));
    }
    return rows;
}

long long RunsLeftOut(const ResultsHistory& history, const std::optional<std::string>& baseLine) {
    if (!baseLine)
        return history.runs - static_cast<long long>(history.newest.size());
    const HistoryDrill* drill = findDrill(history, *baseLine);
    return drill ? drill->runs - static_cast<long long>(drill->newest.size()) : 0;
}

long long UnlistedRuns(const ResultsHistory& history) {
    long long listed = 0;
    for (const HistoryDrill& drill : history.drills)
        listed += drill.runs;
    return history.runs - listed;
}
