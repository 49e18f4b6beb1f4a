#include "app/Events.h"
#include "app/ProgramFolder.h"
#include "model/Program.h"
#include "platform/AppError.h"
#include "text/Cp932.h"

void FormCreate(Program& program) {
    TMn1& window = program.Mn1;
    RunState& run = program.Run;
    window.FileLines.clear();
    window.ChoiceLines.clear();
    window.TranslationLines.clear();
    window.MediaPlayer1.setVisible(false);
    run.FirstAttempt = 1;
    run.CorrectCount = 0;
    run.MissCount = 0;
    run.MasteredCount = -1;
    run.QuestionTotal = 1;
    program.platform.clock.seedRandom(
        static_cast<std::uint32_t>(program.platform.clock.utcMillisecondsSinceMidnight()));
    run.ProgramDir = ProgramFolder(program.platform.files.executablePath());
    if (run.ProgramDir.empty())
        throw AppError(sjis("プログラムのフォルダが分からないため、成績は記録されません"));
}

void FormDestroy(Program& program) {
    program.Mn1.TranslationLines.clear();
    program.Mn1.ChoiceLines.clear();
    program.Mn1.FileLines.clear();
    if (!program.HelpFile.empty())
        program.platform.dialogs.quitHelp(program.HelpFile);
}
