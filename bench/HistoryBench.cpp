#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cstdio>

#include "fake/Drill.h"
#include "results/ResultsHistory.h"

namespace {

constexpr int LongLogRecords = 1'000'000;

// Records of three drills taken in turn, one a minute, as a log edited to keep everything would hold.
std::string longLog(int records) {
    const char* drills[] = {"eigo", "kanji", "\x8B\xE3\x8B\xE3"}; // the last "九九"
    std::string log;
    log.reserve(static_cast<std::size_t>(records) * 48);
    for (int i = 0; i < records; ++i) {
        char line[64];
        std::snprintf(line, sizeof line, "%02d%02d%02d %02d%02d00-%02d%02d30,%03d020%03d%03d020", 10 + i / 518400 % 90,
                      1 + i / 43200 % 12, 1 + i / 1440 % 28, i / 60 % 24, i % 60, i / 60 % 24, i % 60, 30 + i % 900,
                      20 + i % 7, i % 5);
        log += line;
        log += drills[i % 3];
        log += "\r\n";
    }
    return log;
}

long peakKib() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Clicking the history button and choosing a drill, then all drills, on a log of a million records.
// The log is in memory beforehand; what the reading adds on top is the figure "peak_MiB".
void HistoryOfLongLog(benchmark::State& state) {
    Drill drill;
    drill.platform.files[drill.logPath()] = longLog(LongLogRecords);
    drill.platform.pieceSize = 65536; // as the program reads files
    long before = peakKib();
    std::size_t shown = 0;
    for (auto _ : state) {
        ResultsHistory history = ReadResultsHistory(drill.program);
        shown = HistoryRowsOf(history, "kanji").size() + HistoryRowsOf(history, std::nullopt).size();
        benchmark::DoNotOptimize(shown);
    }
    if (shown == 0)
        state.SkipWithError("no rows");
    state.counters["peak_MiB"] = static_cast<double>(peakKib() - before) / 1024;
    state.counters["rows_shown"] = static_cast<double>(shown);
}
BENCHMARK(HistoryOfLongLog)->Name("History/1,000,000-record log")->Unit(benchmark::kMillisecond);

} // namespace
