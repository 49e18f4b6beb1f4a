// From a click on the history button to the history window shown and painted, with a full results log.
// Needs a display; bench/window.sh runs it under Xvfb.
#include <QApplication>
#include <QTest>
#include <benchmark/benchmark.h>
#include <chrono>
#include <ctime>
#include <sys/resource.h>

#include "model/Program.h"
#include "platform/qt/FontSubstitutions.h"
#include "platform/qt/MainWindowView.h"
#include "platform/qt/QtPlatform.h"
#include "results/ResultsLog.h"
#include "window/TempFolder.h"

namespace {

// Three drills in turn over many months: 201 records are as many as the program keeps, a million
// are a log edited to keep everything.
std::string fullLog(int records) {
    const char* drills[] = {"eigo", "kanji", "\x8B\xE3\x8B\xE3"}; // the last "九九"
    std::string log;
    for (int i = 0; i < records; ++i) {
        char line[64];
        std::snprintf(line, sizeof line, "%02d%02d%02d 1900%02d-1912%02d,%03d020%03d%03d020", 26 + i / 10000 % 70,
                      1 + i / 30 % 12, 1 + i % 28, i % 60, i % 60, 300 + i % 300, 20 + i % 7, i % 5);
        log += line + std::string(drills[i % 3]) + "\r\n";
    }
    return log;
}

double threadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

void HistoryWindowShown(benchmark::State& state) {
    TempFolder folder;
    folder.write(ResultsLogName, fullLog(static_cast<int>(state.range(0))));
    double cpu = 0;
    for (auto _ : state) {
        // A fresh program each time, so every click builds the window, as the first click does.
        QtPlatform platform;
        Program program(platform);
        program.Run.ProgramDir = folder.path.string() + "/"; // where the log was written
        MainWindowView view(program);
        platform.setMainWindow(&view);
        view.show();
        if (!QTest::qWaitForWindowExposed(&view))
            state.SkipWithError("the main window was never shown");
        QWidget* button = view.findChild<QWidget*>("SpdBtn8");

        double cpuStart = threadCpuSeconds();
        auto start = std::chrono::steady_clock::now();
        QTest::mouseClick(button, Qt::LeftButton);
        if (!platform.resultsHistory() || !QTest::qWaitForWindowExposed(platform.resultsHistory()))
            state.SkipWithError("the history window was never shown");
        // The paint the exposure asked for.
        QCoreApplication::processEvents();
        std::chrono::duration<double> taken = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(taken.count());
        cpu += threadCpuSeconds() - cpuStart;
        platform.setMainWindow(nullptr);
    }
    // The processor time of the same span: what the figure would be on an idle machine, near enough.
    state.counters["cpu_ms"] = benchmark::Counter(cpu * 1000, benchmark::Counter::kAvgIterations);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024;
}
BENCHMARK(HistoryWindowShown)
    ->Arg(201)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(HistoryWindowShown)->Arg(1'000'000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    registerFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
