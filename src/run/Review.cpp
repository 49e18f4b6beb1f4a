#include "run/Review.h"

#include <algorithm>

#include "model/Program.h"
#include "questions/ChoicesLine.h"
#include "questions/QuestionBlock.h"
#include "run/Presentation.h"
#include "text/Cp932.h"

namespace {

// The question text with the choice each key names written into its blank, in blank order.
std::string fillBlanks(const std::string& text, const std::vector<std::string>& choices, const std::string& keys) {
    std::string filled;
    std::size_t key = 0;
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] != '_') {
            std::size_t length = characterLength(text, i);
            filled.append(text, i, length);
            i += length;
            continue;
        }
        std::size_t end = text.find_first_not_of('_', i);
        end = end == std::string::npos ? text.size() : end;
        std::size_t number = key < keys.size() ? static_cast<std::size_t>(choiceNumber(keys[key])) : 0;
        if (number >= 1 && number <= choices.size())
            filled += choices[number - 1];
        else
            filled.append(text, i, end - i); // a blank without a key keeps its underscores
        key += 2;
        i = end;
    }
    return filled;
}

QuestionBlock currentQuestion(Program& program) {
    return ReadQuestionBlock(program.Mn1.FileLines, program.Run.Table.start(program.Run.CurrentQuestion));
}

// How many blanks the question's answer line names.
std::size_t blanksOf(const QuestionBlock& question) {
    return (question.answerLine.size() + 1) / 2;
}

MissedQuestion& noteOf(Program& program) {
    RunState& run = program.Run;
    auto [entry, added] = program.Review.missed.try_emplace(run.CurrentQuestion);
    MissedQuestion& missed = entry->second;
    if (!added)
        return missed;
    QuestionBlock question = currentQuestion(program);
    missed.text = fillBlanks(question.text, SplitChoices(question.choicesLine), question.answerLine);
    missed.wrongChoices.resize(blanksOf(question));
    if (run.TranslationLoaded)
        missed.translation = TranslationLine(program);
    return missed;
}

std::string joined(const std::vector<std::string>& texts) {
    std::string line;
    for (const std::string& text : texts)
        line += (line.empty() ? "" : ", ") + text;
    return line;
}

} // namespace

void StartReview(Program& program, const std::string& drillFile) {
    program.Review = RunReview{drillFile, {}, 0};
    program.Mn1.SpdBtn9.setEnabled(false);
}

void NoteMiss(Program& program) {
    MissedQuestion& missed = noteOf(program);
    std::size_t keys = blanksOf(currentQuestion(program));
    std::size_t keysLeft = (program.Run.AnswerLine.size() + 1) / 2;
    if (keysLeft >= keys || missed.wrongChoices.empty())
        return;
    std::vector<std::string>& wrong = missed.wrongChoices[keys - keysLeft - 1];
    std::string chosen = program.Mn1.Toi.selectedText();
    // A key that names no shown choice chose no text; the miss still puts the question in the review.
    if (!chosen.empty() && std::find(wrong.begin(), wrong.end(), chosen) == wrong.end())
        wrong.push_back(chosen);
}

void NoteSkip(Program& program) {
    noteOf(program).skipped = true;
}

std::string ReviewText(const std::map<std::int32_t, MissedQuestion>& missed) {
    std::string text = sjis("間違えた問題とスキップした問題:\r\n");
    for (const auto& [number, question] : missed) {
        text += sjis("\r\n【") + std::to_string(number) + sjis("】") + (question.skipped ? sjis(" スキップ") : "");
        text += "\r\n" + question.text;
        for (std::size_t blank = 0; blank < question.wrongChoices.size(); ++blank)
            if (!question.wrongChoices[blank].empty())
                text += sjis("  空欄") + std::to_string(blank + 1) + sjis("の誤答: ") +
                        joined(question.wrongChoices[blank]) + "\r\n";
        if (!question.translation.empty())
            text += sjis("  訳: ") + question.translation + "\r\n";
    }
    return text;
}

void ShowReview(Program& program) {
    RunReview& review = program.Review;
    program.Mn1.SpdBtn9.setEnabled(!review.missed.empty());
    if (!review.missed.empty())
        program.Mn1.Toi.setText(ReviewText(review.missed));
}

std::int32_t PractisedQuestions(const Program& program) {
    return program.Review.practised > 0 ? program.Review.practised : program.Run.QuestionTotal;
}
