#include "app/Events.h"
#include "app/Program.h"

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
    program.platform.seedRandom(static_cast<std::uint32_t>(program.platform.utcMillisecondsSinceMidnight()));
    // The path's bytes as the file system gave them: "/" ends a folder whatever the bytes before it, as it
    // is never the second byte of a Shift-JIS character.
    std::string path = program.platform.executablePath();
    run.ProgramDir = path.substr(0, path.rfind('/') + 1);
}

void FormDestroy(Program& program) {
    program.Mn1.TranslationLines.clear();
    program.Mn1.ChoiceLines.clear();
    program.Mn1.FileLines.clear();
    if (!program.HelpFile.empty())
        program.platform.quitHelp(program.HelpFile);
}
