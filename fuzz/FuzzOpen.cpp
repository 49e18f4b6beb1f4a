// Opens one question file made of the input bytes, then shows every question of an accepted file once.
// A file is either refused with a message or runs: no failure box, no read outside a list.
#include <cstddef>
#include <cstdint>

#include "RunChecks.h"
#include "fake/Drill.h"
#include "run/Presentation.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Drill drill;
    drill.platform.files["drill.m7"] = std::string(reinterpret_cast<const char*>(data), size);
    drill.open("drill.m7");
    Program& program = drill.program;
    if (program.Phase == RunPhase::Asking) {
        CheckQuestionTable(program);
        CheckAsking(program);
        for (std::int32_t q = 1; q <= program.Run.QuestionTotal; ++q) {
            RunHandler(program, "ShowQuestion", [&] { ShowQuestion(program, q); });
            CheckAsking(program);
        }
    }
    if (!drill.platform.errors.empty())
        Violation("failure box: " + drill.platform.errors.front());
    return 0;
}
