#include <benchmark/benchmark.h>

#include <algorithm>

#include "BenchDrill.h"
#include "questions/ChoicesLine.h"
#include "text/Cp932.h"

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

// The largest drill Open takes: 16 MB, no line above 64 KB. A third of it is 128 long choices lines,
// the rest question text of many lines with three short directive lines after each, which the indexer
// removes: at 16 MB, 302,000 text lines and 907,000 directives.
constexpr std::size_t DrillSizeLimit = 16 * 1024 * 1024;
constexpr std::size_t LineLimit = 64 * 1024;

std::string longDrill(std::size_t size) {
    const std::string directives[] = {"//" + sjis("メモ"), "/N", "/Gpic", "/Vsnd", "/T" + sjis("選べ")};
    std::size_t choiceLength = std::min(LineLimit - 1024, size / 3 / BenchQuestions) / BenchChoices;
    std::string choice;
    while (choice.size() < choiceLength)
        choice += sjis("選択肢 choice ");
    choice.resize(choiceLength);
    std::string choicesLine;
    for (int k = 1; k <= BenchChoices; ++k)
        choicesLine += "#" + std::to_string(k) + choice;

    std::string text = sjis("長い問題集") + "\r\nbig\r\n";
    std::size_t d = 0;
    // Each question gets an even share of what the choices lines leave: one text line, then three
    // directives, over and over.
    std::size_t share = (size - std::min(size, BenchQuestions * (choicesLine.size() + 8))) / BenchQuestions;
    for (int q = 1; q <= BenchQuestions; ++q) {
        std::size_t start = text.size();
        text += sjis("問" + std::to_string(q) + ": She ___ to school ___ bus.") + "\r\n";
        for (int t = 1; text.size() - start + 48 < share; ++t) {
            for (int i = 0; i < 3; ++i, ++d)
                text += directives[d % std::size(directives)] + "\r\n";
            text += sjis("本文の続き ") + std::to_string(t) + "\r\n";
        }
        text += choicesLine + "\r\n" + choiceLabel(q % BenchChoices + 1) + " " +
                choiceLabel((q + 5) % BenchChoices + 1) + "\r\n";
    }
    return text;
}

// Open on a drill of the given size in KiB: linear when the bytes per second stay the same.
void OpenLongDrill(benchmark::State& state) {
    Drill drill;
    drill.platform.files["long.m7"] = longDrill(static_cast<std::size_t>(state.range(0)) * 1024);
    for (auto _ : state)
        drill.open("long.m7");
    FakePlatform& platform = drill.platform;
    if (drill.program.Phase != RunPhase::Asking || !platform.errors.empty() || !platform.messages.empty()) {
        std::string why = !platform.messages.empty() ? platform.messages.front()
                          : !platform.errors.empty() ? platform.errors.front()
                                                     : std::string();
        state.SkipWithError(("the drill did not open: " + decodeCp932(why)).c_str());
    }
    state.SetBytesProcessed(state.iterations() * state.range(0) * 1024);
}
BENCHMARK(OpenLongDrill)
    ->Name("Open/long lines and directives, KiB")
    ->RangeMultiplier(2)
    ->Range(256, DrillSizeLimit / 1024)
    ->Unit(benchmark::kMillisecond);

// A choices line of the longest length cut into as many choices as it can hold; the format check
// then refuses it, but only after counting them.
void SplitLongChoicesLine(benchmark::State& state) {
    std::string line;
    while (line.size() + 2 <= LineLimit)
        line += "#a";
    for (auto _ : state)
        benchmark::DoNotOptimize(SplitChoices(line));
}
BENCHMARK(SplitLongChoicesLine)->Name("SplitChoices/64 KiB line of 32768 choices")->Unit(benchmark::kMillisecond);

} // namespace
