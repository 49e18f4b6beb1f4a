#pragma once

class Control;
class TMn1;
struct Program;

// A click handler, called with the clicked control as its sender.
using ClickHandler = void (*)(Program& program, const Control& Sender);

// The handler a click on `control` of `window` runs; nullptr for a control that has none.
ClickHandler ClickHandlerOf(const TMn1& window, const Control& control);
