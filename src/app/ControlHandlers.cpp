#include "app/ControlHandlers.h"

#include <utility>

#include "app/Events.h"
#include "model/Program.h"

namespace {

using ToolHandler = void (*)(Program&);

// The toolbar and Enter handlers do not ask who was clicked.
ToolHandler toolHandlerOf(const TMn1& Mn1, const Control& control) {
    const std::pair<const Control*, ToolHandler> handlers[] = {
        {&Mn1.SpdBtn1, SpdBtn1Click}, {&Mn1.SpdBtn2, SpdBtn2Click}, {&Mn1.SpdBtn3, SpdBtn3Click},
        {&Mn1.SpdBtn4, SpdBtn4Click}, {&Mn1.SpdBtn5, SpdBtn5Click}, {&Mn1.SpdBtn6, SpdBtn6Click},
        {&Mn1.SpdBtn7, SpdBtn7Click}, {&Mn1.SpdBtn8, SpdBtn8Click}, {&Mn1.SpdBtn0, SpdBtn0Click},
        {&Mn1.SpdBtn9, SpdBtn9Click}, {&Mn1.BtnNext, BtnNextClick}};
    for (auto [sender, handler] : handlers)
        if (sender == &control)
            return handler;
    return nullptr;
}

} // namespace

bool HasClickHandler(const TMn1& window, const Control& control) {
    return toolHandlerOf(window, control) || window.selNumber(control) > 0;
}

void RunClickHandler(Program& program, const Control& control) {
    if (ToolHandler handler = toolHandlerOf(program.Mn1, control))
        RunHandler(program, handler);
    else if (program.Mn1.selNumber(control) > 0) // the seventeen choice buttons share one handler
        RunHandler(program, Sel1Click, control);
}
