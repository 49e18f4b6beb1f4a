#include <benchmark/benchmark.h>

#include "BenchDrill.h"
#include "platform/Cp932.h"

namespace {

// The whole Open command on the largest drill: dialog answer, totals, load, index, format check,
// translation file and the first question on screen. Saved as UTF-8, both files are decoded too.
void OpenBigDrill(benchmark::State& state, bool utf8) {
    Drill drill;
    WriteBigDrill(drill);
    if (utf8)
        for (const char* name : {"big.m7", "bigjp.txt"})
            drill.platform.files[name] = decodeCp932(drill.platform.files[name]);
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
BENCHMARK_CAPTURE(OpenBigDrill, ShiftJis, false)
    ->Name("Open/128 questions x 17 choices")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(OpenBigDrill, Utf8, true)
    ->Name("Open/128 questions x 17 choices, UTF-8")
    ->Unit(benchmark::kMicrosecond);

} // namespace
