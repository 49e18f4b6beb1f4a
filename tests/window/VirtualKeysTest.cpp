#include <gtest/gtest.h>

#include "platform/qt/VirtualKeys.h"

namespace {

// A letter keeps its code with Shift, Caps Lock (an upper-case keysym) or both. The keysym decides
// when Qt does not know the key. Home on the keypad is the keypad without Num Lock.
TEST(VirtualKeys, QtKeysBecomeWindowsCodes) {
    struct Case {
        int qtKey;
        Qt::KeyboardModifiers modifiers;
        std::uint32_t keysym;
        std::uint16_t expected;
    };
    const Qt::KeyboardModifiers none = Qt::NoModifier, shift = Qt::ShiftModifier, pad = Qt::KeypadModifier;
    const Case cases[] = {
        {Qt::Key_0, none, '0', 0x30},     {Qt::Key_9, none, '9', 0x39},       {Qt::Key_Z, none, 'z', 0x5A},
        {Qt::Key_A, none, 'a', 0x41},     {Qt::Key_A, shift, 'A', 0x41},      {Qt::Key_A, none, 'A', 0x41},
        {Qt::Key_A, shift, 'a', 0x41},    {Qt::Key_unknown, none, 'q', 0x51}, {Qt::Key_unknown, none, '7', 0x37},
        {Qt::Key_unknown, none, 0, 0},    {Qt::Key_0, pad, 0, 0x60},          {Qt::Key_9, pad, 0, 0x69},
        {Qt::Key_Asterisk, pad, 0, 0x6A}, {Qt::Key_Plus, pad, 0, 0x6B},       {Qt::Key_Minus, pad, 0, 0x6D},
        {Qt::Key_Period, pad, 0, 0x6E},   {Qt::Key_Slash, pad, 0, 0x6F},      {Qt::Key_Enter, pad, 0, 0x0D},
        {Qt::Key_Home, pad, 0, 0x24},     {Qt::Key_Shift, shift, 0, 0x10},    {Qt::Key_Space, none, ' ', 0x20},
        {Qt::Key_Return, none, 0, 0x0D},  {Qt::Key_Left, none, 0, 0x25},      {Qt::Key_Up, none, 0, 0x26},
        {Qt::Key_Right, none, 0, 0x27},   {Qt::Key_Down, none, 0, 0x28},      {Qt::Key_Escape, none, 0, 0x1B},
        {Qt::Key_F12, none, 0, 0x7B},     {Qt::Key_F13, none, 0, 0},          {Qt::Key_Exclam, shift, '!', 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "Qt key 0x" << std::hex << c.qtKey << " keysym 0x" << c.keysym);
        EXPECT_EQ(virtualKey(c.qtKey, c.modifiers, c.keysym), c.expected);
    }
}

} // namespace
