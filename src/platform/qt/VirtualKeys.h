#pragma once
#include <Qt>
#include <cstdint>

// The Windows virtual-key code of a key press, as the key handler of the window expects it;
// 0 for keys it has no code for. `nativeVirtualKey` (the X keysym) decides only when Qt's key
// does not, for example on a keyboard layout whose letters are not Latin.
std::uint16_t virtualKey(int qtKey, Qt::KeyboardModifiers modifiers, std::uint32_t nativeVirtualKey);
