#include "results/ResultsTotals.h"

#include "model/Program.h"
#include "results/Figures.h"
#include "results/ResultsLog.h"
#include "text/Cp932.h"
#include "text/LineCutter.h"

namespace {

std::string timeText(long long seconds) {
    return PadLeft(std::to_string(seconds / 60), 3, ' ') + ":" + PadLeft(std::to_string(seconds % 60), 2, '0');
}

} // namespace

void ShowResultsTotals(Program& program) {
    TMn1& window = program.Mn1;
    std::optional<std::string> path = ResultsLogPath(program);
    if (!path || !program.platform.files.fileExists(*path)) {
        window.LbSkip.setCaption("  0:00");
        window.LbHead3B.setCaption("  0.00");
        window.LbHead4B.setCaption("  0.00");
        return;
    }
    // Read line by line, and only as far as the fields: a log of any length costs one pass and little memory.
    const std::size_t FieldColumns[] = {RunTimeColumn, CorrectColumn, WrongColumn};
    long long sums[3] = {0, 0, 0};
    readFileLines(program.platform.files, *path, BaseLineColumn - 1, [&](std::string_view line) {
        for (std::size_t f = 0; f < 3; ++f) {
            std::optional<long long> value = ReadRecordField(line, FieldColumns[f]);
            if (!value) {
                program.platform.dialogs.messageBox(sjis("QM7Kekka.DAT ｴﾗｰ! このﾌｧｲﾙをｺﾞﾐ箱に捨てて下さい!"));
                break;
            }
            sums[f] += *value;
        }
    });
    RunFigures figures = ComputeRunFigures(sums[0], sums[1], sums[2]);
    window.LbSkip.setCaption(timeText(sums[0]));
    window.LbHead3B.setCaption(PadLeft(FormatFigure(figures.rate), 6, ' '));
    window.LbHead4B.setCaption(PadLeft(FormatFigure(figures.speed), 6, ' '));
}
