#pragma once
#include <cstdint>

class Control;

// Who takes a key.
enum class KeyRoute {
    Answer,        // the key handler SentakuBango
    DefaultButton, // a press of the default button Sel1
    Focused,       // the focused control's own handling: Tab moves on; a button presses itself on Return
                   // or Space and lets every other key go unanswered
};

// The route of a key that goes down while `focused` has the keyboard focus (nullptr: the window itself).
// Return presses the default button unless the focused control takes the key itself: a button presses
// itself, and the memo passes every key but Tab to the key handler.
KeyRoute RouteKey(const Control* focused, std::uint16_t key, bool defaultButtonShown);
