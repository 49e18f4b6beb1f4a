#pragma once
#include <Qt>
#include <cstdint>

// What Qt and the window system say of one key press.
struct KeyPress {
    int qtKey;
    Qt::KeyboardModifiers modifiers;
    std::uint32_t scanCode; // the X or xkb key code: the key's place on the keyboard
    std::uint32_t keysym;   // the X keysym of the character typed
};

// The Windows virtual-key code of a key press, as the key handler of the window expects it; 0 for keys
// it has no code for. Like a Windows code it names the key, not the character: Shift+1 is still "1".
std::uint16_t virtualKey(const KeyPress& key);
