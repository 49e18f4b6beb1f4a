#pragma once
#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/Clock.h"

struct Program;

// One run of the results log, ready to show: every text is "?" when its field cannot be read.
struct HistoryRow {
    std::string date;     // "2026/12/06"
    std::string start;    // "00:50:58"
    std::string end;      // "01:02:03"
    std::string workTime; // "10:00", minutes and seconds
    std::string questions;
    std::string correct;
    std::string misses;
    std::string rate;  // correct answers in %, "88.46"
    std::string speed; // correct answers per minute, "2.30"
    std::string drill; // the base line, Shift-JIS bytes

    // The same values for a chart; nothing where the texts show "?".
    std::optional<LocalTime> started;
    std::optional<double> rateValue;
    std::optional<double> speedValue;
};

// A log edited to keep every run may be of any length; the history keeps this many of the newest runs
// of each drill and of all drills, and lists this many of the drills worked last. A log the program
// writes itself (201 records) is kept whole.
inline constexpr std::size_t HistoryRunLimit = 1000;
inline constexpr std::size_t HistoryDrillLimit = 201;

// A drill of the log, its runs and the newest of them.
struct HistoryDrill {
    std::string baseLine; // Shift-JIS bytes
    long long runs = 0;   // since it last came into the list
    // The records of its newest runs without their base line, the oldest first.
    std::deque<std::string> newest;
};

struct ResultsHistory {
    std::vector<HistoryDrill> drills; // the most recently worked first
    std::deque<std::string> newest;   // the records of the newest runs of all drills, the oldest first
    long long runs = 0;               // every record of the log
    std::string problem;              // why the log could not be read (Shift-JIS); empty when it could
};

// The results log read in one pass, fields read as the totals read them. Never fails: a log that
// cannot be read gives no runs and says why.
ResultsHistory ReadResultsHistory(Program& program);

// The newest runs of one drill, or of all drills when `baseLine` is nothing, the oldest first.
std::vector<HistoryRow> HistoryRowsOf(const ResultsHistory& history, const std::optional<std::string>& baseLine);
// How many older runs of them the rows leave out.
long long RunsLeftOut(const ResultsHistory& history, const std::optional<std::string>& baseLine);
// The runs of drills that fell out of the list, which only the rows of all drills show.
long long UnlistedRuns(const ResultsHistory& history);
