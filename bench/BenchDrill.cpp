#include "BenchDrill.h"

#include "model/TMn1.h"
#include "run/Presentation.h"

void WriteBigDrill(Drill& drill) {
    std::vector<std::string> lines{"大きな問題集", "big"};
    std::vector<std::string> translation{"訳"};
    for (int q = 1; q <= BenchQuestions; ++q) {
        lines.push_back("問" + std::to_string(q) + ": She ___ to school ___ bus every morning.");
        std::string choices;
        for (int k = 1; k <= BenchChoices; ++k)
            choices += "#" + (k % 3 == 0 ? "選択肢" + std::to_string(k) : "choice " + std::to_string(k));
        lines.push_back(choices);
        lines.push_back(choiceLabel(q % BenchChoices + 1) + " " + choiceLabel((q + 5) % BenchChoices + 1));
        translation.push_back("彼女は毎朝バスで学校に行く。(" + std::to_string(q) + ")");
    }
    drill.writeFile("big.m7", lines);
    drill.writeFile("bigjp.txt", translation);
}

void OpenBigDrill(Drill& drill) {
    WriteBigDrill(drill);
    drill.open("big.m7");
}

void ShowNextQuestion(Drill& drill, int& shown) {
    ShowQuestion(drill.program, shown % BenchQuestions + 1);
    if (++shown % TrimEvery == 0)
        TrimRecords(drill);
}

void TrimRecords(Drill& drill) {
    FakePlatform& platform = drill.platform;
    platform.randomRanges.clear();
    platform.dialogFilters.clear();
    platform.beeps.clear();
    platform.waits.clear();
    platform.messages.clear();
    platform.player.log.clear();
    RunState& run = drill.program.Run;
    run.MasteredCount = 0;
    run.CorrectCount = 0;
    run.MissCount = 0;
}
