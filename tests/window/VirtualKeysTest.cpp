#include <gtest/gtest.h>

#include "platform/qt/VirtualKeys.h"

namespace {

TEST(VirtualKeys, QtKeysBecomeWindowsCodes) {
    struct Case {
        int qtKey;
        Qt::KeyboardModifiers modifiers;
        std::uint32_t native;
        std::uint16_t expected;
    };
    const Qt::KeyboardModifiers none = Qt::NoModifier;
    const Case cases[] = {
        {Qt::Key_0, none, 0, 0x30},
        {Qt::Key_9, none, 0, 0x39},
        {Qt::Key_A, none, 0, 0x41},
        {Qt::Key_H, Qt::ShiftModifier, 0, 0x48}, // the same code with Shift
        {Qt::Key_Z, none, 0, 0x5A},
        {Qt::Key_0, Qt::KeypadModifier, 0, 0x60},
        {Qt::Key_5, Qt::KeypadModifier, 0, 0x65},
        {Qt::Key_9, Qt::KeypadModifier, 0, 0x69},
        {Qt::Key_Asterisk, Qt::KeypadModifier, 0, 0x6A},
        {Qt::Key_Plus, Qt::KeypadModifier, 0, 0x6B},
        {Qt::Key_Minus, Qt::KeypadModifier, 0, 0x6D},
        {Qt::Key_Period, Qt::KeypadModifier, 0, 0x6E},
        {Qt::Key_Slash, Qt::KeypadModifier, 0, 0x6F},
        {Qt::Key_Enter, Qt::KeypadModifier, 0, 0x0D},
        {Qt::Key_Home, Qt::KeypadModifier, 0, 0x24}, // keypad without Num Lock
        {Qt::Key_Return, none, 0, 0x0D},
        {Qt::Key_Shift, Qt::ShiftModifier, 0, 0x10},
        {Qt::Key_Control, Qt::ControlModifier, 0, 0x11},
        {Qt::Key_Alt, Qt::AltModifier, 0, 0x12},
        {Qt::Key_Space, none, 0, 0x20},
        {Qt::Key_Escape, none, 0, 0x1B},
        {Qt::Key_Backspace, none, 0, 0x08},
        {Qt::Key_Tab, none, 0, 0x09},
        {Qt::Key_Left, none, 0, 0x25},
        {Qt::Key_Up, none, 0, 0x26},
        {Qt::Key_Right, none, 0, 0x27},
        {Qt::Key_Down, none, 0, 0x28},
        {Qt::Key_Delete, none, 0, 0x2E},
        {Qt::Key_F1, none, 0, 0x70},
        {Qt::Key_F12, none, 0, 0x7B},
        {Qt::Key_F13, none, 0, 0},
        {Qt::Key_Exclam, Qt::ShiftModifier, 0x21, 0}, // no code of its own
        {Qt::Key_unknown, none, 0, 0},
        {Qt::Key_unknown, none, 'q', 0x51}, // the X keysym decides when Qt does not know the key
        {Qt::Key_unknown, none, '7', 0x37},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "Qt key 0x" << std::hex << c.qtKey << " native 0x" << c.native);
        EXPECT_EQ(virtualKey(c.qtKey, c.modifiers, c.native), c.expected);
    }
}

} // namespace
