#include "run/Answers.h"

#include <algorithm>
#include <cstdint>

#include "app/CompanionFile.h"
#include "app/Events.h"
#include "model/Program.h"
#include "platform/AppError.h"
#include "run/ChoiceOrder.h"
#include "run/EndOfRun.h"
#include "run/OpenSound.h"
#include "run/Pause.h"
#include "run/Presentation.h"

namespace {

constexpr std::int32_t CountedAnswerTime = 30000;
constexpr std::int32_t TranslationPause = 100;
constexpr std::int32_t QuestionDonePause = 800;
constexpr std::int32_t CyclePause = 700;
constexpr std::int32_t CycleWait = 500;
constexpr int AcknowledgementCycles = 10; // counted down to 0: eleven cycles
constexpr unsigned QuestionBeep = 0x20;
constexpr unsigned DefaultBeep = 0;

void countAnswerTime(RunState& run, Platform& platform) {
    std::int32_t t = static_cast<std::int32_t>(platform.clock.tickCount() - run.QuestionStartTick);
    if (t <= CountedAnswerTime)
        return;
    // Weeks of excess would overflow the 32-bit sum; it stops at its largest value instead.
    std::int64_t overrun = std::int64_t{run.TimeOverrun} + (t - CountedAnswerTime);
    run.TimeOverrun = static_cast<std::int32_t>(std::min<std::int64_t>(overrun, INT32_MAX));
}

void askNextBlank(Program& program) {
    TakeNextKey(program.Run);
    SelectBlank(program);
    ShowChoices(program);
}

// Opens the completed question's sound: its own, else the chime. Returns whether a sound is open,
// and through `own` whether it is the question's own sound.
bool openCompletionSound(Program& program, bool& own) {
    Platform& platform = program.platform;
    SoundPlayer& player = platform.sound.mediaPlayer();
    std::string ownSound = QuestionSoundName(program);
    own = platform.files.fileExists(ownSound);
    std::string chime = CompanionFile(program, "pinpon.wav");
    player.setFileName(own ? ownSound : chime);
    if (!own && !platform.files.fileExists(chime))
        return false;
    try {
        if (OpenSound(program))
            return true;
    } catch (const AppError& error) {
        // Reported, then the question goes on as if it had no sound, so it cannot get stuck.
        platform.dialogs.errorBox(error.boxText());
    }
    own = false;
    return false;
}

// After a question with a miss: replays until the learner presses Enter, at most eleven times.
void acknowledge(Program& program, bool ownSound) {
    RunState& run = program.Run;
    TMn1& window = program.Mn1;
    SoundPlayer& player = program.platform.sound.mediaPlayer();
    run.NextPressed = 0;
    window.BtnNext.setVisible(true);
    window.setFocus(window.BtnNext);
    int r = AcknowledgementCycles;
    do {
        if (ownSound) {
            player.setWait();
            player.play();
        } else
            Pause(program, CyclePause);
        if (run.NextPressed)
            r = -1;
        --r;
        Pause(program, CycleWait);
    } while (r >= 0);
    run.NextPressed = 0;
    window.BtnNext.setVisible(false);
}

void completeQuestion(Program& program) {
    RunState& run = program.Run;
    TMn1& window = program.Mn1;
    Platform& platform = program.platform;
    WaitScope waiting(program);

    if (run.TranslationLoaded) {
        window.Yaku.setVisible(true);
        window.Yaku.setCaption(TranslationLine(program));
        Pause(program, TranslationPause);
    }
    bool own = false;
    bool playable = openCompletionSound(program, own);
    SoundPlayer& player = platform.sound.mediaPlayer();
    if (playable) {
        player.setWait();
        if (run.SoundOn == 1)
            player.play();
    } else
        platform.sound.beep(DefaultBeep);

    if (run.SoundOn == 1 && run.FirstAttempt == 0)
        acknowledge(program, own && playable);
    else
        Pause(program, QuestionDonePause);
    player.close();
}

std::int64_t pendingSum(RunState& run) {
    std::int64_t sum = 0;
    for (std::int32_t q = 1; q <= run.QuestionTotal; ++q)
        sum += run.Table.pending(q);
    return sum;
}

} // namespace

void WrongAnswer(Program& program) {
    RunState& run = program.Run;
    Platform& platform = program.platform;
    program.Mn1.kakunin.setCaption("NG");
    program.Mn1.kakunin.setColor(colors::red);
    run.FirstAttempt = 0;
    ++run.MissCount;
    NoteMiss(program);
    std::string buzz = CompanionFile(program, "buzz.wav");
    if (!program.BuzzBroken && platform.files.fileExists(buzz)) {
        SoundPlayer& player = platform.sound.mediaPlayer();
        player.setFileName(buzz);
        try {
            if (OpenSound(program)) {
                player.play();
                return;
            }
        } catch (const AppError& error) {
            // Reported once; a box on every miss would stand between the learner and the drill.
            program.BuzzBroken = true;
            platform.dialogs.errorBox(error.boxText());
        }
    }
    platform.sound.beep(QuestionBeep);
}

void CorrectAnswer(Program& program) {
    RunState& run = program.Run;
    program.Mn1.kakunin.setCaption("OK");
    program.Mn1.kakunin.setColor(colors::green);
    countAnswerTime(run, program.platform);
    ++run.CorrectCount;
    if (!run.AnswerLine.empty()) {
        askNextBlank(program);
        return;
    }
    completeQuestion(program);
    if (pendingSum(run) != run.CurrentQuestion)
        ShowQuestion(program, NextPendingQuestion(program, run.CurrentQuestion));
    else
        EndRun(program);
}

void Sel1Click(Program& program, const Control& Sender) {
    TMn1& window = program.Mn1;
    int i = window.selNumber(Sender);
    if (i == 0)
        return;
    std::string chosen = window.Label(i).caption();
    window.Toi.replaceSelection(chosen);
    window.setFocus(window.Toi);
    window.Toi.select(program.Run.BlankStart, static_cast<int>(chosen.size()));
    if (choiceLabel(i) == program.Run.AnswerKey)
        CorrectAnswer(program);
    else
        WrongAnswer(program);
}

void SentakuBango(Program& program, std::uint16_t& Key) {
    TMn1& window = program.Mn1;
    if (Key > vk::Numpad0 && Key < vk::Numpad0 + 10)
        Key -= vk::Numpad0 - vk::Digit0;
    // The code of a digit or letter key is the label it types; codes past a byte type none.
    int keyValue = Key <= 0xFF ? choiceNumber(static_cast<char>(Key)) : 0;
    std::string chosen;
    if ((Key >= '1' && Key <= '9') || (Key >= 'A' && Key <= 'H'))
        chosen = window.Label(keyValue).caption();
    window.Toi.replaceSelection(chosen);
    window.Toi.select(program.Run.BlankStart, static_cast<int>(chosen.size()));
    if (keyValue == choiceNumber(program.Run.AnswerKey.at(0)))
        CorrectAnswer(program);
    else
        WrongAnswer(program);
}
