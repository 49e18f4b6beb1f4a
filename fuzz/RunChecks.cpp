#include "RunChecks.h"

#include <cstdio>
#include <cstdlib>

#include "model/Program.h"

void Violation(const std::string& what) {
    std::fprintf(stderr, "qm7 invariant broken: %s\n", what.c_str());
    std::abort();
}

void CheckQuestionTable(const Program& program) {
    const QuestionTable& table = program.Run.Table;
    for (int q = 1; q <= MaxQuestions; ++q) {
        std::int32_t entry = table.pendingRow[static_cast<std::size_t>(q - 1)];
        if (entry != 0 && entry != q)
            Violation("pending entry " + std::to_string(q) + " holds " + std::to_string(entry));
    }
}

void CheckAsking(const Program& program) {
    const RunState& run = program.Run;
    const TMn1& window = program.Mn1;
    if (program.WaitDepth != 0)
        Violation("a wait is still counted between two events");
    if (run.QuestionTotal < 1 || run.QuestionTotal > MaxQuestions)
        Violation("asking with QuestionTotal " + std::to_string(run.QuestionTotal));
    if (run.CurrentQuestion < 1 || run.CurrentQuestion > run.QuestionTotal)
        Violation("asking question " + std::to_string(run.CurrentQuestion) + " of " +
                  std::to_string(run.QuestionTotal));
    if (run.Table.pendingRow[static_cast<std::size_t>(run.CurrentQuestion - 1)] == 0)
        Violation("asking question " + std::to_string(run.CurrentQuestion) + ", which is no longer pending");
    if (run.ChoiceCount < 2 || run.ChoiceCount > ChoiceButtonCount)
        Violation("asking with " + std::to_string(run.ChoiceCount) + " choices");
    if (window.ChoiceLines.count() != run.ChoiceCount + 1)
        Violation("ChoiceLines holds " + std::to_string(window.ChoiceLines.count()) + " lines for " +
                  std::to_string(run.ChoiceCount) + " choices");
    if (run.AnswerKey.size() != 1)
        Violation("the answer key is \"" + run.AnswerKey + "\"");
    char key = run.AnswerKey[0];
    bool label = (key >= '1' && key <= '9') || (key >= 'A' && key <= 'H');
    if (!label || choiceNumber(key) > run.ChoiceCount)
        Violation(std::string("the answer key ") + key + " names no choice of " + std::to_string(run.ChoiceCount));
    const Memo& memo = window.Toi;
    int textSize = static_cast<int>(memo.caption().size());
    if (memo.selStart() < 0 || memo.selLength() < 0 || memo.selStart() + memo.selLength() > textSize)
        Violation("the memo selection " + std::to_string(memo.selStart()) + "+" + std::to_string(memo.selLength()) +
                  " leaves a text of " + std::to_string(textSize) + " bytes");
}
