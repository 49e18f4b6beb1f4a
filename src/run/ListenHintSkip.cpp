#include "run/ListenHintSkip.h"

#include "app/Events.h"
#include "model/Program.h"
#include "platform/AppError.h"
#include "run/ChoiceOrder.h"
#include "run/OpenSound.h"
#include "run/Pause.h"
#include "run/Presentation.h"

namespace {
constexpr std::int32_t HintPause = 300;
}

void SpdBtn6Click(Program& program) {
    std::string name = QuestionSoundName(program);
    if (!program.platform.files.fileExists(name))
        return;
    SoundPlayer& player = program.platform.sound.mediaPlayer();
    player.setFileName(name);
    if (!OpenSound(program))
        return;
    player.setWait();
    player.play();
    player.close();
}

void SpdBtn7Click(Program& program) {
    if (!program.Run.TranslationLoaded)
        return;
    program.Mn1.Yaku.setCaption(TranslationLine(program));
    Pause(program, HintPause);
}

void SpdBtn3Click(Program& program) {
    RunState& run = program.Run;
    run.FirstAttempt = 0;
    NoteSkip(program);
    ShowQuestion(program, NextPendingQuestion(program, run.CurrentQuestion));
}
