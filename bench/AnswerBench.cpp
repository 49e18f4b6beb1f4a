#include <benchmark/benchmark.h>

#include <chrono>

#include "BenchDrill.h"

namespace {

// A wrong key, from the key press to "NG" shown and the miss counted; the same blank stays asked.
void WrongKey(benchmark::State& state) {
    Drill drill;
    OpenBigDrill(drill);
    char wrong = drill.key() == '1' ? '2' : '1';
    int n = 0;
    for (auto _ : state) {
        drill.press(static_cast<std::uint16_t>(wrong));
        if (++n % TrimEvery == 0)
            TrimRecords(drill);
    }
    if (drill.program.Mn1.kakunin.caption() != "NG")
        state.SkipWithError("the key was not taken as a miss");
}
BENCHMARK(WrongKey)->Name("Answer/wrong key")->Unit(benchmark::kMicrosecond);

// A right key for the first of two blanks, from the key press to "OK" shown and the second blank
// selected with its choices. Each question is put on screen again outside the measured time.
void RightKeyToNextBlank(benchmark::State& state) {
    Drill drill;
    OpenBigDrill(drill);
    int shown = 0;
    for (auto _ : state) {
        ShowNextQuestion(drill, shown);
        auto key = static_cast<std::uint16_t>(drill.key());
        auto start = std::chrono::steady_clock::now();
        drill.press(key);
        auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
    if (drill.program.Mn1.kakunin.caption() != "OK" || drill.program.Run.AnswerLine != "")
        state.SkipWithError("the key did not move on to the second blank");
}
BENCHMARK(RightKeyToNextBlank)->Name("Answer/right key to next blank")->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace
