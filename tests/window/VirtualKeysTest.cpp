#include <gtest/gtest.h>

#include "platform/qt/VirtualKeys.h"

namespace {

// A letter keeps its code with Shift or Caps Lock; a digit of the main keyboard keeps its code with Shift,
// found by its X key code (10 to 19), whatever the layout. The keysym decides when Qt does not know the
// key. Home on the keypad is the keypad without Num Lock.
TEST(VirtualKeys, QtKeysBecomeWindowsCodes) {
    const Qt::KeyboardModifiers none = Qt::NoModifier, shift = Qt::ShiftModifier, pad = Qt::KeypadModifier;
    const std::pair<KeyPress, std::uint16_t> cases[] = {
        {{Qt::Key_9, none, 0, '9'}, 0x39},        {{Qt::Key_A, shift, 38, 'A'}, 0x41},
        {{Qt::Key_unknown, none, 24, 'q'}, 0x51}, {{Qt::Key_unknown, none, 0, 0x6C1}, 0},
        {{Qt::Key_Exclam, shift, 10, '!'}, 0x31}, {{Qt::Key_ParenRight, shift, 18, ')'}, 0x39},
        {{Qt::Key_Exclam, shift, 0, '!'}, 0},     {{Qt::Key_Minus, none, 20, '-'}, 0},
        {{Qt::Key_1, pad, 87, 0xFFB1}, 0x61},     {{Qt::Key_Asterisk, pad, 63, 0}, 0x6A},
        {{Qt::Key_Enter, pad, 104, 0}, 0x0D},     {{Qt::Key_Home, pad, 79, 0}, 0x24},
        {{Qt::Key_F12, none, 96, 0}, 0x7B},       {{Qt::Key_F13, none, 191, 0}, 0}};
    for (const auto& [key, expected] : cases)
        EXPECT_EQ(virtualKey(key), expected) << "Qt key 0x" << std::hex << key.qtKey << ", X key code " << key.scanCode;
}

} // namespace
