#pragma once
#include <optional>
#include <string>
#include <vector>

#include "platform/Platform.h"

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

// A drill of the log and how many runs it has.
struct HistoryDrill {
    std::string baseLine; // Shift-JIS bytes
    int runs = 0;
};

struct ResultsHistory {
    std::vector<HistoryRow> rows;     // in the log's order, the oldest first
    std::vector<HistoryDrill> drills; // the most recently worked first
    std::string problem;              // why the log could not be read (Shift-JIS); empty when it could
};

// Every record of the results log, fields read as the totals read them. Never fails: a log that
// cannot be read gives no rows and says why.
ResultsHistory ReadResultsHistory(Program& program);

// The runs of one drill, or of all drills when `baseLine` is nothing.
std::vector<HistoryRow> HistoryRowsOf(const ResultsHistory& history, const std::optional<std::string>& baseLine);
