// Opens one question file made of the input bytes, then shows every question of an accepted file once.
// A file is either refused with a message or runs: no failure box, no read outside a list.
// The input is also decoded behind each byte-order mark: text that decodes is Shift-JIS throughout.
#include <cstddef>
#include <cstdint>

#include "RunChecks.h"
#include "fake/Drill.h"
#include "run/Presentation.h"
#include "text/TextDecoding.h"

namespace {

void checkDecoding(const std::string& bytes) {
    TextEncoding encoding = detectEncoding(bytes);
    try {
        std::string text = toShiftJis(bytes, encoding);
        if (encoding != TextEncoding::ShiftJis && decodeCp932(text).find("\uFFFD") != std::string::npos)
            Violation("decoded text that is no Shift-JIS");
    } catch (const TextRefused& refused) {
        if (encoding == TextEncoding::ShiftJis || refused.line() < 1)
            Violation("refused without a line: " + refused.text());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    for (const char* bom : {"", "\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF"})
        checkDecoding(bom + bytes);

    Drill drill;
    drill.platform.files["drill.m7"] = bytes;
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
