#include <benchmark/benchmark.h>

#include "BenchDrill.h"

namespace {

// Putting one 17-choice question on screen: PresentQuestion, ShuffleKey, SelectBlank, ShowChoices.
void ShowSeventeenChoices(benchmark::State& state) {
    Drill drill;
    OpenBigDrill(drill);
    int shown = 0;
    for (auto _ : state)
        ShowNextQuestion(drill, shown);
    if (drill.program.Run.ChoiceCount != BenchChoices)
        state.SkipWithError("the question does not have 17 choices");
}
BENCHMARK(ShowSeventeenChoices)->Name("ShowQuestion/17 choices")->Unit(benchmark::kMicrosecond);

} // namespace
