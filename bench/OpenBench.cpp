#include <benchmark/benchmark.h>

#include "BenchDrill.h"

namespace {

// The whole Open command on the largest drill: dialog answer, totals, load, index, format check,
// translation file and the first question on screen.
void OpenBigDrill(benchmark::State& state) {
    Drill drill;
    WriteBigDrill(drill);
    int n = 0;
    for (auto _ : state) {
        drill.open("big.m7");
        if (++n % TrimEvery == 0)
            TrimRecords(drill);
    }
    if (drill.program.Phase != RunPhase::Asking || !drill.platform.errors.empty())
        state.SkipWithError("the drill did not open");
    state.SetItemsProcessed(state.iterations() * BenchQuestions);
}
BENCHMARK(OpenBigDrill)->Name("Open/128 questions x 17 choices")->Unit(benchmark::kMicrosecond);

} // namespace
