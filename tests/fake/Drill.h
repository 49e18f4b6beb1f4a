#pragma once
#include <functional>
#include <string>
#include <vector>

#include "app/Events.h"
#include "fake/FakePlatform.h"
#include "model/Program.h"
#include "text/Cp932.h"

inline const std::string Pinpon = "/opt/qm7w/pinpon.wav";
inline const std::string Buzz = "/opt/qm7w/buzz.wav";

// `count` questions of one text line, the choices "#a#b" and the answer "1".
inline std::vector<std::string> questionBlocks(int count) {
    std::vector<std::string> body;
    for (int q = 1; q <= count; ++q)
        body.insert(body.end(), {"Q" + std::to_string(q) + " ___", "#a#b", "1"});
    return body;
}

// A started program on the fake platform, with question files at hand and every input run the way
// the window runs it.
struct Drill {
    Drill() { FormCreate(program); }

    // Writes a file from UTF-8 lines (converted to Shift-JIS), each ended by CR LF.
    void writeFile(const std::string& name, const std::vector<std::string>& utf8Lines) {
        std::string bytes;
        for (const std::string& line : utf8Lines)
            bytes += sjis(line) + "\r\n";
        platform.files[name] = bytes;
    }
    void open(const std::string& name) {
        platform.dialogAnswers.push_back(name);
        command(SpdBtn1Click);
    }
    // Opens a file of base line `base` (q01.bmp, q01.wav, qjp.txt for "q") from directives and questions.
    void openQuestions(const std::vector<std::string>& body, const std::string& base = "q",
                       const std::string& name = "q.m7") {
        std::vector<std::string> lines{"Title", base};
        lines.insert(lines.end(), body.begin(), body.end());
        writeFile(name, lines);
        open(name);
    }
    void effectSounds() { platform.files[Pinpon] = platform.files[Buzz] = "RIFF"; }

    void command(void (*handler)(Program&)) { RunHandler(program, handler); }
    void press(std::uint16_t key) { RunHandler(program, SentakuBango, key); }
    void click(int choice) { RunHandler(program, Sel1Click, program.Mn1.Sel(choice)); }
    void skip() { command(SpdBtn3Click); }
    void listen() { command(SpdBtn6Click); }
    void hint() { command(SpdBtn7Click); }
    void answerRight() { press(static_cast<std::uint16_t>(key())); }
    // A shown choice that is not the right one.
    void answerWrong() {
        press(static_cast<std::uint16_t>(choiceLabel(choiceNumber(key()) % program.Run.ChoiceCount + 1)[0]));
    }
    // Runs `action` in the program's next wait but `idleWaits`.
    void duringWait(std::function<void()> action, int idleWaits = 0) {
        platform.duringWaits.insert(platform.duringWaits.end(), idleWaits, [] {});
        platform.duringWaits.push_back(std::move(action));
    }

    char key() const { return program.Run.AnswerKey.at(0); }
    std::string memo() const { return program.Mn1.Toi.caption(); }
    std::string label(int k) { return program.Mn1.Label(k).caption(); }
    int pending(int question) { return program.Run.Table.pending(question); }
    std::string logPath() const { return program.Run.ProgramDir + "QM7Kekka.DAT"; }

    FakePlatform platform;
    Program program{platform};
};
