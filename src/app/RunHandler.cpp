#include <new>
#include <variant>

#include "app/Events.h"
#include "model/Program.h"
#include "platform/AppError.h"
#include "text/Cp932.h"
#include "text/Limits.h"

namespace {

// When a handler takes input.
enum class Accepts {
    Anytime,
    OutsideWaits, // not inside a wait of the running handler
    Answers,      // a question is asked and no handler waits
    AfterOpen,    // a run has been opened, finished or not, also inside waits
};

using AnyHandler =
    std::variant<void (*)(Program&), void (*)(Program&, const Control&), void (*)(Program&, std::uint16_t&)>;

struct InputRule {
    AnyHandler handler;
    std::string_view name;
    Accepts accepts;
};

const InputRule InputRules[] = {
    {FormCreate, "FormCreate", Accepts::Anytime},
    {FormDestroy, "FormDestroy", Accepts::Anytime},
    {SpdBtn0Click, "SpdBtn0Click", Accepts::Anytime},
    // An Open inside a wait would pull the run from under the waiting handler.
    {SpdBtn1Click, "SpdBtn1Click", Accepts::OutsideWaits},
    {SpdBtn2Click, "SpdBtn2Click", Accepts::Anytime},
    {SpdBtn3Click, "SpdBtn3Click", Accepts::Answers},
    {SpdBtn4Click, "SpdBtn4Click", Accepts::Anytime},
    {SpdBtn5Click, "SpdBtn5Click", Accepts::Anytime},
    {SpdBtn6Click, "SpdBtn6Click", Accepts::Answers},
    {SpdBtn7Click, "SpdBtn7Click", Accepts::AfterOpen},
    {SpdBtn8Click, "SpdBtn8Click", Accepts::Anytime},
    {SpdBtn9Click, "SpdBtn9Click", Accepts::OutsideWaits},
    {BtnNextClick, "BtnNextClick", Accepts::Anytime},
    {Sel1Click, "Sel1Click", Accepts::Answers},
    {SentakuBango, "SentakuBango", Accepts::Answers},
};

bool takesInput(const Program& program, Accepts accepts) {
    switch (accepts) {
    case Accepts::Anytime:
        return true;
    case Accepts::OutsideWaits:
        return program.WaitDepth == 0;
    case Accepts::Answers:
        return program.Phase == RunPhase::Asking && program.WaitDepth == 0;
    case Accepts::AfterOpen:
        return program.Phase != RunPhase::NoFile;
    }
    return false;
}

void reportInternalFault(Program& program, std::string_view name, const char* what) {
    program.platform.dialogs.internalErrorBox(sjis("内部エラーが起きました（") + std::string(name) + sjis("）。"),
                                              "qm7w: internal error in " + std::string(name) + ": " + what);
}

template <class Handler, class... Args> void runUnderRule(Program& program, Handler handler, Args&... args) {
    const InputRule* rule = nullptr;
    for (const InputRule& row : InputRules)
        if (row.handler == AnyHandler(handler))
            rule = &row;
    if (!rule) {
        reportInternalFault(program, "RunHandler", "a handler without an input rule");
        return;
    }
    if (takesInput(program, rule->accepts))
        RunHandler(program, rule->name, [&] { handler(program, args...); });
}

} // namespace

void RunHandler(Program& program, std::string_view name, const std::function<void()>& work) {
    {
        HandlerScope running(program);
        try {
            work();
        } catch (const AppError& error) {
            program.platform.dialogs.errorBox(error.boxText());
        } catch (const std::bad_alloc&) {
            program.platform.dialogs.errorBox(OutOfMemoryText() + ".");
        } catch (const WindowClosing&) {
            // The handler stops; the window closes below.
        } catch (const std::exception& error) {
            reportInternalFault(program, name, error.what());
        } catch (...) {
            reportInternalFault(program, name, "an exception of unknown type");
        }
    }
    if (program.HandlerDepth == 0 && program.Closing)
        program.platform.events.closeMainWindow();
}

void RunHandler(Program& program, void (*handler)(Program&)) {
    runUnderRule(program, handler);
}

void RunHandler(Program& program, void (*handler)(Program&, const Control&), const Control& sender) {
    runUnderRule(program, handler, sender);
}

void RunHandler(Program& program, void (*handler)(Program&, std::uint16_t&), std::uint16_t& key) {
    runUnderRule(program, handler, key);
}

bool RequestClose(Program& program) {
    program.Closing = true;
    return program.HandlerDepth == 0;
}
