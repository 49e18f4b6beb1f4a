#include <benchmark/benchmark.h>

#include "BenchDrill.h"
#include "run/Presentation.h"

namespace {

// Putting one 17-choice question on screen: PresentQuestion, ShuffleKey, SelectBlank, ShowChoices.
void ShowSeventeenChoices(benchmark::State& state) {
    Drill drill;
    WriteBigDrill(drill);
    drill.open("big.m7");
    int q = 0;
    for (auto _ : state) {
        ShowQuestion(drill.program, q % BenchQuestions + 1);
        if (++q % TrimEvery == 0)
            TrimRecords(drill);
    }
    if (drill.program.Run.ChoiceCount != BenchChoices)
        state.SkipWithError("the question does not have 17 choices");
}
BENCHMARK(ShowSeventeenChoices)->Name("ShowQuestion/17 choices")->Unit(benchmark::kMicrosecond);

} // namespace
