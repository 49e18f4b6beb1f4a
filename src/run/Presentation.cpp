#include "run/Presentation.h"

#include "model/Program.h"
#include "platform/AppError.h"
#include "questions/ChoicesLine.h"
#include "questions/QuestionBlock.h"
#include "run/ChoiceOrder.h"

namespace {

constexpr int ColumnGap = 20;
constexpr int PixelsPerByte = 10;
constexpr int LabelOffset = 32;

void showProgress(Program& program) {
    RunState& run = program.Run;
    TMn1& window = program.Mn1;
    ++run.MasteredCount;
    if (run.PreviousQuestion >= 1 && run.PreviousQuestion <= run.QuestionTotal)
        run.Table.pending(run.PreviousQuestion) = 0;
    window.LbHead1B.setCaption(std::to_string(run.MasteredCount) + "/" + std::to_string(run.QuestionTotal));
    window.shGauge2.setWidth(run.MasteredCount * GaugeFullWidth / run.QuestionTotal);
}

void showPicture(Program& program, const std::string& number) {
    Control& picture = program.Mn1.GF1;
    std::string name = program.Run.PictureBase + number + ".bmp";
    // A picture that cannot be read is shown as no picture, whatever the reason.
    std::optional<PictureSize> size;
    try {
        if (program.platform.files.fileExists(name))
            size = program.platform.files.pictureSize(name);
    } catch (const AppError&) {
    }
    if (size) {
        picture.setTop(220);
        picture.setAutoSize(true);
        picture.setWidth(size->width);
        picture.setHeight(size->height);
        picture.setPicture(name);
        picture.setVisible(true);
    } else {
        picture.setTop(350);
        picture.setAutoSize(false);
        picture.setHeight(15);
        picture.setVisible(false);
        picture.setPicture("");
    }
}

void readChoices(Program& program, const std::string& choicesLine) {
    std::vector<std::string> choices = SplitChoices(choicesLine);
    int count = 0;
    for (const std::string& choice : choices) {
        program.Mn1.ChoiceLines.add(choice);
        ++count;
        if (count == 6)
            PlaceChoiceColumn(program, 7, WidestChoice(choices, 1, 6));
        if (count == 12)
            PlaceChoiceColumn(program, 13, WidestChoice(choices, 7, 12));
    }
    program.Run.ChoiceCount = count;
}

} // namespace

std::string TwoDigitNumber(std::int32_t n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

std::string QuestionSoundName(const Program& program) {
    return program.Run.ListenBase + TwoDigitNumber(program.Run.CurrentQuestion) + ".wav";
}

std::string TranslationLine(const Program& program) {
    const LineList& lines = program.Mn1.TranslationLines;
    int question = program.Run.CurrentQuestion;
    return question >= 0 && question < lines.count() ? lines.get(question) : std::string();
}

void PresentQuestion(Program& program, std::int32_t) {
    RunState& run = program.Run;
    TMn1& window = program.Mn1;

    std::string number = std::to_string(run.Table.pending(run.CurrentQuestion));
    window.No.setCaption(number);
    window.Yaku.setCaption("");
    ClearChoices(program);
    if (run.FirstAttempt)
        showProgress(program);

    QuestionBlock question = ReadQuestionBlock(window.FileLines, run.Table.start(run.CurrentQuestion));

    if (run.CurrentQuestion < 10)
        number = "0" + number;
    showPicture(program, number);
    window.SpdBtn6.setVisible(program.platform.files.fileExists(QuestionSoundName(program)));

    window.ChoiceLines.clear();
    window.ChoiceLines.add("Dummy");
    window.Toi.setText(question.text);
    run.AnswerLine = question.answerLine;
    readChoices(program, question.choicesLine);

    run.FirstAttempt = 1;
    window.kakunin.setCaption("--");
    window.kakunin.setColor(colors::yellow);
    run.QuestionStartTick = program.platform.clock.tickCount();
}

void ShowChoices(Program& program) {
    TMn1& window = program.Mn1;
    const LineList& choices = window.ChoiceLines;
    window.Label(1).setCaption(choices.get(1));
    window.Label(2).setCaption(choices.get(2));
    for (int k = 3; k <= ChoiceButtonCount && k < choices.count(); ++k) {
        window.Label(k).setCaption(choices.get(k));
        window.Sel(k).setVisible(true);
    }
}

void ClearChoices(Program& program) {
    for (int k = 3; k <= ChoiceButtonCount; ++k) {
        program.Mn1.Label(k).setCaption("");
        program.Mn1.Sel(k).setVisible(false);
    }
}

void PlaceChoiceColumn(Program& program, std::int32_t first, std::int32_t widest) {
    TMn1& window = program.Mn1;
    if (first != 7 && first != 13)
        return;
    const Control& reference = window.Sel(first - 1);
    int x = reference.left() + reference.width() + ColumnGap + PixelsPerByte * widest;
    int last = first == 7 ? 12 : 17;
    for (int k = first; k <= last; ++k) {
        window.Sel(k).setLeft(x);
        window.Label(k).setLeft(x + LabelOffset);
    }
}

void ShowQuestion(Program& program, std::int32_t n) {
    program.Run.CurrentQuestion = n;
    PresentQuestion(program, n);
    ShuffleKey(program);
    SelectBlank(program);
    ShowChoices(program);
}
