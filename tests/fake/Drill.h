#pragma once
#include <string>
#include <vector>

#include "app/Events.h"
#include "app/Program.h"
#include "fake/FakePlatform.h"
#include "platform/Cp932.h"

// A started program on the fake platform, with helpers to write question files and open them.
struct Drill {
    Drill() { FormCreate(program); }

    // Writes a question file from UTF-8 lines (converted to Shift-JIS), each ended by CR LF.
    void writeFile(const std::string& name, const std::vector<std::string>& utf8Lines) {
        std::string bytes;
        for (const std::string& line : utf8Lines)
            bytes += sjis(line) + "\r\n";
        platform.files[name] = bytes;
    }

    // Chooses `name` in the open dialog and runs the Open command as the window does.
    void open(const std::string& name) {
        platform.dialogAnswers.push_back(name);
        RunHandler(program, SpdBtn1Click);
    }

    void press(std::uint16_t key) { RunHandler(program, SentakuBango, key); }
    void click(int choice) { RunHandler(program, Sel1Click, program.Mn1.Sel(choice)); }

    // The label of the choice that is right for the blank being asked.
    char key() const { return program.Run.AnswerKey.at(0); }
    std::string memo() const { return program.Mn1.Toi.caption(); }
    std::string logPath() const { return program.Run.ProgramDir + "QM7Kekka.DAT"; }

    FakePlatform platform;
    Program program{platform};
};
