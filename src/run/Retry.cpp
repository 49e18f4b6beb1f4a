#include <algorithm>

#include "app/Events.h"
#include "model/Program.h"
#include "run/Presentation.h"
#include "run/Review.h"

void SpdBtn9Click(Program& program) {
    if (program.Phase != RunPhase::Finished || program.Review.missed.empty())
        return;
    // The Open forgets the list; the retry keeps its own copy.
    std::vector<std::int32_t> wanted;
    for (const auto& entry : program.Review.missed)
        wanted.push_back(entry.first);
    OpenQuestionFile(program, program.Review.drillFile, program.platform.files.currentFolder());
    RunState& run = program.Run;
    if (program.Phase != RunPhase::Asking)
        return; // refused or unreadable: reported by the Open, the list is kept
    std::vector<std::int32_t> questions;
    for (std::int32_t q : wanted)
        if (q <= run.QuestionTotal)
            questions.push_back(q);
    if (questions.empty())
        return; // the drill has been cut short since: it runs whole
    for (std::int32_t q = 1; q <= run.QuestionTotal; ++q)
        if (std::find(questions.begin(), questions.end(), q) == questions.end())
            run.Table.pending(q) = 0;
    program.Review.practised = static_cast<std::int32_t>(questions.size());
    // The gauge counts the questions mastered in the earlier run as mastered.
    run.MasteredCount = run.QuestionTotal - program.Review.practised - 1;
    ShowQuestion(program, questions.front());
}
