#pragma once
#include <optional>
#include <string>
#include <vector>

#include "results/ResultsHistory.h"

// What every history window shows besides the table, so that they all read the same: the drills to
// choose from, the note above the runs and the chart of them. Texts are UTF-8.

// An entry of the drill chooser: a drill, or every drill at once (no base line).
struct HistoryChoice {
    std::string label;                   // "英語（3回）"
    std::optional<std::string> baseLine; // Shift-JIS bytes
};

// The drills worked last first, lines that name no drill after them, and every drill at the end.
std::vector<HistoryChoice> HistoryChoices(const ResultsHistory& history);
// The entry of `baseLine` when the history still holds it, else the drill worked last.
std::size_t HistoryChoiceIndex(const std::vector<HistoryChoice>& choices, const std::optional<std::string>& baseLine);

// Why there are no runs, how many older ones the rows leave out, and the runs of drills no longer
// listed; one line each, empty when there is nothing to say.
std::string HistoryNote(const ResultsHistory& history, std::size_t shown, long long leftOut);

// A moment on the date axis: seconds since 1970-01-01 00:00 on the local calendar.
using PlotTime = long long;

struct PlotPoint {
    PlotTime time;
    double value;
};

// The chart of the rows: the rate (0-100 %, left axis) and the speed (right axis) of each dated run in
// time order, and the axes.
struct HistoryPlot {
    std::vector<PlotPoint> rates;
    std::vector<PlotPoint> speeds;
    double speedTop = 1; // the speed axis runs from 0 to here
    PlotTime from = 0;   // the date axis
    PlotTime to = 0;
    bool withHours = false; // the runs lie within a few days
    bool withYear = false;  // the date axis crosses a new year
};

// Every axis has this many grid steps; on the value axes the speed's ticks meet the rate's grid lines.
inline constexpr int PlotSteps = 5;

// `now` places the date axis of no runs.
HistoryPlot PlotOf(const std::vector<HistoryRow>& rows, const LocalTime& now);
PlotTime PlotTimeOf(const LocalTime& time);
LocalTime LocalTimeOf(PlotTime time);
// A date axis label in the plot's format: "12/06", "12/06 01:10", "2025/12/31".
std::string PlotDateText(const HistoryPlot& plot, PlotTime time);
