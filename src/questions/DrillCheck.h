#pragma once
#include <string>

class Platform;

// What a teacher learns about a question file before handing it out.
struct DrillCheck {
    bool opens = false;
    std::string report; // UTF-8 lines, each ended by "\n"
};

// Opens the question file `name` as the Open command would, on a program of its own that shows no
// box, plays nothing and writes nothing, reading files through `platform`. The report gives the
// encoding, the number of questions or the refusal, and each question's picture, sound and
// translation line; `shownName` heads it.
DrillCheck CheckDrill(Platform& platform, const std::string& name, const std::string& shownName);
