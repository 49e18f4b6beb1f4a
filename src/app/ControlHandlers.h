#pragma once

class Control;
class TMn1;
struct Program;

// Whether a click on `control` of `window` runs a handler.
bool HasClickHandler(const TMn1& window, const Control& control);

// Runs the click handler of `control` under its input rule; a choice button is its own sender.
void RunClickHandler(Program& program, const Control& control);
