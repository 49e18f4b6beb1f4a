#include "app/ControlHandlers.h"

#include <utility>

#include "app/Events.h"
#include "app/TMn1.h"

namespace {

// The toolbar and Enter handlers do not ask who was clicked.
template <void (*Handler)(Program&)> void noSender(Program& program, const Control&) {
    Handler(program);
}

} // namespace

ClickHandler ClickHandlerOf(const TMn1& Mn1, const Control& control) {
    const std::pair<const Control*, ClickHandler> handlers[] = {
        {&Mn1.SpdBtn1, noSender<SpdBtn1Click>}, {&Mn1.SpdBtn2, noSender<SpdBtn2Click>},
        {&Mn1.SpdBtn3, noSender<SpdBtn3Click>}, {&Mn1.SpdBtn4, noSender<SpdBtn4Click>},
        {&Mn1.SpdBtn5, noSender<SpdBtn5Click>}, {&Mn1.SpdBtn6, noSender<SpdBtn6Click>},
        {&Mn1.SpdBtn7, noSender<SpdBtn7Click>}, {&Mn1.SpdBtn8, noSender<SpdBtn8Click>},
        {&Mn1.SpdBtn0, noSender<SpdBtn0Click>}, {&Mn1.BtnNext, noSender<BtnNextClick>}};
    for (auto [sender, handler] : handlers)
        if (sender == &control)
            return handler;
    // The seventeen choice buttons share one handler.
    return Mn1.selNumber(control) > 0 ? Sel1Click : nullptr;
}
