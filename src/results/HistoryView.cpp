#include "results/HistoryView.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>

#include "text/Cp932.h"

namespace {

constexpr PlotTime Day = 24 * 60 * 60;

// The smallest of 1, 2, 2.5 and 5 times a power of ten that is at least `least`.
double niceStep(double least) {
    if (least <= 0)
        return 0.2;
    double power = std::pow(10.0, std::floor(std::log10(least)));
    for (double factor : {1.0, 2.0, 2.5, 5.0})
        if (factor * power >= least)
            return factor * power;
    return 10 * power;
}

} // namespace

std::vector<HistoryChoice> HistoryChoices(const ResultsHistory& history) {
    std::vector<HistoryChoice> choices;
    // Lines that name no drill are no drill of their own: they come after the drills.
    for (bool named : {true, false})
        for (const HistoryDrill& drill : history.drills)
            if (drill.baseLine.empty() != named)
                choices.push_back({named ? decodeCp932(drill.baseLine) + "（" + std::to_string(drill.runs) + "回）"
                                         : "（読めない記録）（" + std::to_string(drill.runs) + "件）",
                                   drill.baseLine});
    choices.push_back({"すべて（" + std::to_string(history.runs) + "回）", std::nullopt});
    return choices;
}

std::size_t HistoryChoiceIndex(const std::vector<HistoryChoice>& choices, const std::optional<std::string>& baseLine) {
    auto found = std::find_if(choices.begin(), choices.end(),
                              [&](const HistoryChoice& choice) { return choice.baseLine == baseLine; });
    return found == choices.end() ? 0 : static_cast<std::size_t>(found - choices.begin());
}

std::string HistoryNote(const ResultsHistory& history, std::size_t shown, long long leftOut) {
    std::vector<std::string> lines;
    if (!history.problem.empty())
        lines.push_back("成績の記録を読めません: " + decodeCp932(history.problem));
    else if (history.runs == 0)
        lines.push_back("成績の記録はまだありません。");
    if (leftOut > 0)
        lines.push_back("新しい" + std::to_string(shown) + "回を表示しています（それより古い" +
                        std::to_string(leftOut) + "回は表示しません）。");
    if (long long unlisted = UnlistedRuns(history))
        lines.push_back("一覧にない古い問題の記録が" + std::to_string(unlisted) +
                        "回あります（「すべて」に含まれます）。");
    std::string note;
    for (const std::string& line : lines)
        note += (note.empty() ? "" : "\n") + line;
    return note;
}

HistoryPlot PlotOf(const std::vector<HistoryRow>& rows, const LocalTime& now) {
    std::vector<const HistoryRow*> dated;
    for (const HistoryRow& row : rows)
        if (row.started)
            dated.push_back(&row);
    std::stable_sort(dated.begin(), dated.end(), [](const HistoryRow* a, const HistoryRow* b) {
        return PlotTimeOf(*a->started) < PlotTimeOf(*b->started);
    });
    HistoryPlot plot;
    double fastest = 0;
    for (const HistoryRow* row : dated) {
        PlotTime when = PlotTimeOf(*row->started);
        if (row->rateValue)
            plot.rates.push_back({when, *row->rateValue});
        if (row->speedValue) {
            plot.speeds.push_back({when, *row->speedValue});
            fastest = std::max(fastest, *row->speedValue);
        }
    }
    plot.speedTop = PlotSteps * niceStep(fastest * 1.05 / PlotSteps);
    // A margin on both sides keeps the first and last points off the axes; a single run gets a day.
    PlotTime first = PlotTimeOf(dated.empty() ? now : *dated.front()->started);
    PlotTime last = dated.empty() ? first : PlotTimeOf(*dated.back()->started);
    PlotTime margin = std::max<PlotTime>((last - first) / 20, Day / 2);
    plot.from = first - margin;
    plot.to = last + margin;
    // Within a few days the hour matters; across a year the year does, in full.
    plot.withHours = plot.to - plot.from <= 3 * Day;
    plot.withYear = LocalTimeOf(plot.from).year != LocalTimeOf(plot.to).year;
    return plot;
}

PlotTime PlotTimeOf(const LocalTime& time) {
    using namespace std::chrono;
    sys_days date{year{time.year} / time.month / time.day};
    return date.time_since_epoch().count() * Day + time.hour * 3600 + time.minute * 60 + time.second;
}

LocalTime LocalTimeOf(PlotTime time) {
    using namespace std::chrono;
    PlotTime days = time / Day - (time % Day < 0 ? 1 : 0);
    auto second = static_cast<int>(time - days * Day);
    year_month_day date{sys_days{std::chrono::days{days}}};
    return LocalTime{static_cast<int>(date.year()),
                     static_cast<int>(static_cast<unsigned>(date.month())),
                     static_cast<int>(static_cast<unsigned>(date.day())),
                     second / 3600,
                     second / 60 % 60,
                     second % 60};
}

std::string PlotDateText(const HistoryPlot& plot, PlotTime time) {
    LocalTime at = LocalTimeOf(time);
    char text[80];
    int length = plot.withYear ? std::snprintf(text, sizeof text, "%04d/", at.year) : 0;
    length +=
        std::snprintf(text + length, sizeof text - static_cast<std::size_t>(length), "%02d/%02d", at.month, at.day);
    if (plot.withHours)
        std::snprintf(text + length, sizeof text - static_cast<std::size_t>(length), " %02d:%02d", at.hour, at.minute);
    return text;
}
