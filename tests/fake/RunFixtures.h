#pragma once
#include <string>
#include <vector>

#include "fake/Drill.h"
#include "fake/QuestionFiles.h"

inline const std::string Pinpon = "/opt/qm7w/pinpon.wav";
inline const std::string Buzz = "/opt/qm7w/buzz.wav";

// A drill of base line "q" (so q01.bmp, q01.wav and the translation file qjp.txt) with its commands at hand.
struct RunDrill : Drill {
    // Opens a file of directives and question blocks.
    void openQuestions(const std::vector<std::string>& body) {
        writeFile("q.m7", questionFile("q", body));
        open("q.m7");
    }
    void effectSounds() { platform.files[Pinpon] = platform.files[Buzz] = "RIFF"; }

    void answerRight() { press(static_cast<std::uint16_t>(key())); }
    // A shown choice that is not the right one.
    void answerWrong() {
        press(static_cast<std::uint16_t>(choiceLabel(choiceNumber(key()) % program.Run.ChoiceCount + 1)[0]));
    }
    // A toolbar or Enter button, run the way the window runs it.
    void command(void (*handler)(Program&)) { RunHandler(program, handler); }
    void skip() { command(SpdBtn3Click); }
    void listen() { command(SpdBtn6Click); }
    void hint() { command(SpdBtn7Click); }

    std::string label(int k) { return program.Mn1.Label(k).caption(); }
    int pending(int question) { return program.Run.Table.pending(question); }
    // Runs `action` in the program's next wait but `idleWaits`.
    void duringWait(std::function<void()> action, int idleWaits = 0) {
        platform.duringWaits.insert(platform.duringWaits.end(), idleWaits, [] {});
        platform.duringWaits.push_back(std::move(action));
    }
};
