#include "run/ChoiceOrder.h"

#include "model/Program.h"
#include "text/DbcsPos.h"

namespace {

constexpr std::size_t KeyTextLimit = 255;

// Drops the first key and its separator.
std::string restOfKeys(const std::string& answerLine) {
    return answerLine.size() > 2 ? answerLine.substr(2, KeyTextLimit) : std::string();
}

// After choices c and r changed places, every later key that named one of them names the other,
// so each blank still points at its own text, also when an answer line repeats a choice.
void followExchange(std::string& keys, char labelC, char labelR) {
    for (std::size_t i = 0; i < keys.size(); i += 2) {
        if (keys[i] == labelC)
            keys[i] = labelR;
        else if (keys[i] == labelR)
            keys[i] = labelC;
    }
}

} // namespace

void TakeNextKey(RunState& run) {
    run.AnswerKey = run.AnswerLine.substr(0, 1);
    run.AnswerLine = restOfKeys(run.AnswerLine);
}

void ShuffleKey(Program& program) {
    RunState& run = program.Run;
    if (run.KeepOrder) {
        TakeNextKey(run);
        return;
    }
    std::int32_t r = program.platform.clock.randomBelow(run.ChoiceCount) + 1;
    char key = run.AnswerLine.at(0);
    std::int32_t c = choiceNumber(key);
    program.Mn1.ChoiceLines.exchange(c, r);
    run.AnswerLine = restOfKeys(run.AnswerLine);
    run.AnswerKey = choiceLabel(r);
    followExchange(run.AnswerLine, key, run.AnswerKey[0]);
}

void SelectBlank(Program& program) {
    RunState& run = program.Run;
    Memo& memo = program.Mn1.Toi;
    std::int32_t p = DbcsPos("_", memo.caption());
    memo.setSelStart(p - 1);
    run.BlankStart = memo.selStart();
    std::string part = memo.caption().substr(p == 0 ? 0 : static_cast<std::size_t>(p - 1), BlankLimit);
    memo.setSelLength(BlankLength(part) - 1);
    program.Mn1.setFocus(memo);
}

std::int32_t BlankLength(const std::string& s) {
    if (s.size() < 2)
        return 0;
    std::size_t firstOther = s.find_first_not_of('_');
    return static_cast<std::int32_t>(firstOther == std::string::npos ? s.size() + 1 : firstOther + 1);
}

std::int32_t NextPendingQuestion(Program& program, std::int32_t n) {
    RunState& run = program.Run;
    run.PreviousQuestion = n;
    for (std::int32_t q = n + 1; q <= run.QuestionTotal; ++q)
        if (run.Table.pending(q) != 0)
            return q;
    for (std::int32_t q = 1; q <= n && q <= run.QuestionTotal; ++q)
        if (run.Table.pending(q) != 0)
            return q;
    return 0;
}
