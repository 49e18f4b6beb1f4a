#pragma once
#include <string>
#include <vector>

#include "app/Events.h"
#include "fake/Drill.h"

// Builders for the run tests: question files from short descriptions, and a drill with the
// toolbar commands at hand.

inline const std::string PinponPath = "/opt/qm7w/pinpon.wav";
inline const std::string BuzzPath = "/opt/qm7w/buzz.wav";

// One question block, in UTF-8: its text lines, its choices line and its answer line.
struct Question {
    std::vector<std::string> text;
    std::string choices;
    std::string answer;
};

// "Q<n> ___." with the choices a to d, the first one right.
inline Question simpleQuestion(int n) {
    return {{"Q" + std::to_string(n) + " ___."}, "#a#b#c#d", "1"};
}

inline std::vector<Question> simpleQuestions(int count) {
    std::vector<Question> questions;
    for (int n = 1; n <= count; ++n)
        questions.push_back(simpleQuestion(n));
    return questions;
}

// "#c1#c2...#c<count>".
inline std::string numberedChoices(int count) {
    std::string line;
    for (int k = 1; k <= count; ++k)
        line += "#c" + std::to_string(k);
    return line;
}

// Title "Drill", base line "q" (so q01.bmp, q01.wav, qjp.txt), the directives, then the questions.
inline std::vector<std::string> questionFile(const std::vector<Question>& questions,
                                             const std::vector<std::string>& directives = {}) {
    std::vector<std::string> lines = {"Drill", "q"};
    lines.insert(lines.end(), directives.begin(), directives.end());
    for (const Question& question : questions) {
        lines.insert(lines.end(), question.text.begin(), question.text.end());
        lines.push_back(question.choices);
        lines.push_back(question.answer);
    }
    return lines;
}

struct RunDrill : Drill {
    void openQuestions(const std::vector<Question>& questions, const std::vector<std::string>& directives = {}) {
        writeFile("q.m7", questionFile(questions, directives));
        open("q.m7");
    }
    void effectSounds() {
        platform.files[PinponPath] = "RIFF";
        platform.files[BuzzPath] = "RIFF";
    }
    // The translation file of the base line "q": a first line of its own, then one per question.
    void translation(const std::vector<std::string>& lines) { writeFile("qjp.txt", lines); }

    void answerRight() { press(static_cast<std::uint16_t>(key())); }
    // A shown choice that is not the right one.
    void answerWrong() {
        int right = choiceNumber(key());
        press(static_cast<std::uint16_t>(choiceLabel(right % program.Run.ChoiceCount + 1)[0]));
    }
    void skip() {
        RunHandler(program, [&] { SpdBtn3Click(program); });
    }
    void listen() {
        RunHandler(program, [&] { SpdBtn6Click(program); });
    }
    void hint() {
        RunHandler(program, [&] { SpdBtn7Click(program); });
    }
    void enter() {
        RunHandler(program, [&] { BtnNextClick(program); });
    }
    void soundSwitch() {
        RunHandler(program, [&] { SpdBtn5Click(program); });
    }

    std::string label(int k) { return program.Mn1.Label(k).caption(); }
    int pending(int question) { return program.Run.Table.pending(question); }
    // Runs `action` in the next wait of the program, after `idleWaits` waits without input.
    void duringWait(std::function<void()> action, int idleWaits = 0) {
        for (int i = 0; i < idleWaits; ++i)
            platform.duringWaits.push_back([] {});
        platform.duringWaits.push_back(std::move(action));
    }
};

inline std::string rateCaption(const std::string& rate) {
    return sjis("　　正解率:  ") + rate + " %";
}
inline std::string speedCaption(const std::string& speed) {
    return sjis("　　回答速度:") + speed + sjis(" 問/分");
}
