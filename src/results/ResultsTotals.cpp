#include "results/ResultsTotals.h"

#include "app/Program.h"
#include "platform/Cp932.h"
#include "results/Figures.h"
#include "results/ResultsLog.h"

namespace {

// 1-based columns of the run time, the correct and the wrong answers.
constexpr std::size_t FieldColumns[] = {22, 28, 31};
constexpr std::size_t FieldWidth = 3;

std::string timeText(long long seconds) {
    return PadLeft(std::to_string(seconds / 60), 3, ' ') + ":" + PadLeft(std::to_string(seconds % 60), 2, '0');
}

} // namespace

void ShowResultsTotals(Program& program) {
    TMn1& window = program.Mn1;
    std::optional<std::string> path = ResultsLogPath(program);
    if (!path || !program.platform.fileExists(*path)) {
        window.LbSkip.setCaption("  0:00");
        window.LbHead3B.setCaption("  0.00");
        window.LbHead4B.setCaption("  0.00");
        return;
    }
    // A list of its own: the lines of a run in progress stay where they are.
    LineList log;
    log.loadFromFile(program.platform, *path);

    long long sums[3] = {0, 0, 0}; // run time, correct, wrong
    for (const std::string& line : log.lines()) {
        for (std::size_t f = 0; f < 3; ++f) {
            std::size_t start = FieldColumns[f] - 1;
            std::string field = start < line.size() ? line.substr(start, FieldWidth) : std::string();
            std::optional<long long> value = ConvertRecordField(field);
            if (!value) {
                program.platform.messageBox(sjis("QM7Kekka.DAT ｴﾗｰ! このﾌｧｲﾙをｺﾞﾐ箱に捨てて下さい!"));
                break;
            }
            sums[f] += *value;
        }
    }
    long long seconds = sums[0], correct = sums[1], wrong = sums[2];
    double rate = 0, speed = 0;
    if (correct + wrong != 0 && seconds != 0) {
        rate = static_cast<double>(correct) * 100 / static_cast<double>(correct + wrong);
        speed = static_cast<double>(correct) * 60 / static_cast<double>(seconds);
    }
    window.LbSkip.setCaption(timeText(seconds));
    window.LbHead3B.setCaption(PadLeft(FormatFigure(rate), 6, ' '));
    window.LbHead4B.setCaption(PadLeft(FormatFigure(speed), 6, ' '));
}
