#include "platform/qt/VirtualKeys.h"

namespace {

std::uint16_t keypadKey(int qtKey) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return static_cast<std::uint16_t>(0x60 + (qtKey - Qt::Key_0));
    switch (qtKey) {
    case Qt::Key_Asterisk:
        return 0x6A;
    case Qt::Key_Plus:
        return 0x6B;
    case Qt::Key_Minus:
        return 0x6D;
    case Qt::Key_Period:
    case Qt::Key_Comma:
        return 0x6E;
    case Qt::Key_Slash:
        return 0x6F;
    default:
        return 0;
    }
}

std::uint16_t mainKey(int qtKey) {
    // Qt names digits and letters by their ASCII codes, as Windows does; letters come upper case
    // with or without Shift and Caps Lock.
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
        return static_cast<std::uint16_t>(qtKey);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12)
        return static_cast<std::uint16_t>(0x70 + (qtKey - Qt::Key_F1));
    switch (qtKey) {
    case Qt::Key_Backspace:
        return 0x08;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 0x09;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 0x0D;
    case Qt::Key_Shift:
        return 0x10;
    case Qt::Key_Control:
        return 0x11;
    case Qt::Key_Alt:
        return 0x12;
    case Qt::Key_Pause:
        return 0x13;
    case Qt::Key_CapsLock:
        return 0x14;
    case Qt::Key_Escape:
        return 0x1B;
    case Qt::Key_Space:
        return 0x20;
    case Qt::Key_PageUp:
        return 0x21;
    case Qt::Key_PageDown:
        return 0x22;
    case Qt::Key_End:
        return 0x23;
    case Qt::Key_Home:
        return 0x24;
    case Qt::Key_Left:
        return 0x25;
    case Qt::Key_Up:
        return 0x26;
    case Qt::Key_Right:
        return 0x27;
    case Qt::Key_Down:
        return 0x28;
    case Qt::Key_Insert:
        return 0x2D;
    case Qt::Key_Delete:
        return 0x2E;
    default:
        return 0;
    }
}

// X keysyms of Latin letters and digits are their ASCII codes.
std::uint16_t nativeKey(std::uint32_t keysym) {
    if ((keysym >= '0' && keysym <= '9') || (keysym >= 'A' && keysym <= 'Z'))
        return static_cast<std::uint16_t>(keysym);
    if (keysym >= 'a' && keysym <= 'z')
        return static_cast<std::uint16_t>(keysym - 'a' + 'A');
    return 0;
}

} // namespace

std::uint16_t virtualKey(int qtKey, Qt::KeyboardModifiers modifiers, std::uint32_t nativeVirtualKey) {
    if (modifiers.testFlag(Qt::KeypadModifier)) {
        if (std::uint16_t code = keypadKey(qtKey))
            return code;
    }
    if (std::uint16_t code = mainKey(qtKey))
        return code;
    return nativeKey(nativeVirtualKey);
}
