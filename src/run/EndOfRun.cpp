#include "run/EndOfRun.h"

#include "model/Program.h"
#include "platform/AppError.h"
#include "results/Figures.h"
#include "results/ResultsHistory.h"
#include "results/ResultsWriter.h"
#include "run/Presentation.h"
#include "text/Cp932.h"

void EndRun(Program& program) {
    RunState& run = program.Run;
    TMn1& window = program.Mn1;
    // From here on nothing may answer, skip or write a second record.
    program.Phase = RunPhase::Finished;

    window.LbHead1B.setCaption(std::to_string(run.QuestionTotal) + "/" + std::to_string(run.QuestionTotal));
    try {
        WriteResultsRecord(program);
    } catch (const AppError& error) {
        // The record is lost and the learner is told; the run's own figures are still shown.
        program.platform.dialogs.errorBox(error.boxText());
    }
    program.platform.dialogs.refreshResultsHistory(ReadResultsHistory(program));
    window.shGauge2.setWidth(GaugeFullWidth);
    ClearChoices(program);
    window.Toi.setText("");
    ShowReview(program);
    window.TT.setCaption("");
    window.No.setCaption("");
    window.Yaku.setCaption("");
    window.LbMondai.setCaption(sjis("新しい問題ファイルを選択,ないし終了!"));
    run.Table.pending(run.CurrentQuestion) = 0;

    if (run.ElapsedSeconds == 0) {
        run.CorrectCount = 0;
        run.MissCount = 0;
        run.ElapsedSeconds = 1;
    }
    if (run.CorrectCount + run.MissCount == 0)
        run.MissCount = 1;
    double rate = static_cast<double>(run.CorrectCount * 100) / (run.CorrectCount + run.MissCount);
    // Overlapping excess times of slow blanks can make the counted time negative; no speed then.
    double speed = run.ElapsedSeconds > 0 ? static_cast<double>(run.CorrectCount * 60) / run.ElapsedSeconds : 0.0;
    window.Label(1).setCaption(sjis("　　正解率:  ") + FormatFigure(rate) + " %");
    window.Label(2).setCaption(sjis("　　回答速度:") + FormatFigure(speed) + sjis(" 問/分"));
    program.platform.dialogs.messageBox(sjis("おめでとう！ すべて終了しました！"));
}
