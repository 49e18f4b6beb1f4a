#include "platform/qt/VirtualKeys.h"

#include <utility>

#include "app/Events.h"

namespace {

// X key codes 10 to 19 are the digit row 1 to 0 in both the evdev and the older XFree86 key code sets,
// whatever the layout writes on them (US, jp106, and also AZERTY, whose digits need Shift).
constexpr std::uint32_t DigitRowFirst = 10;
constexpr std::uint32_t DigitRowLast = 19;

std::uint16_t digitRowKey(std::uint32_t scanCode) {
    if (scanCode < DigitRowFirst || scanCode > DigitRowLast)
        return 0;
    return scanCode == DigitRowLast ? vk::Digit0 : static_cast<std::uint16_t>('1' + scanCode - DigitRowFirst);
}

std::uint16_t keypadKey(int qtKey) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return static_cast<std::uint16_t>(vk::Numpad0 + (qtKey - Qt::Key_0));
    constexpr std::pair<int, std::uint16_t> keys[] = {{Qt::Key_Asterisk, vk::Multiply}, {Qt::Key_Plus, vk::Add},
                                                      {Qt::Key_Minus, vk::Subtract},    {Qt::Key_Period, vk::Decimal},
                                                      {Qt::Key_Comma, vk::Decimal},     {Qt::Key_Slash, vk::Divide}};
    for (auto [key, code] : keys)
        if (key == qtKey)
            return code;
    return 0;
}

std::uint16_t mainKey(int qtKey) {
    // Qt names digits and letters by their ASCII codes, as Windows does; letters come upper case
    // with or without Shift and Caps Lock.
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
        return static_cast<std::uint16_t>(qtKey);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12)
        return static_cast<std::uint16_t>(vk::F1 + (qtKey - Qt::Key_F1));
    constexpr std::pair<int, std::uint16_t> keys[] = {
        {Qt::Key_Backspace, vk::Back},   {Qt::Key_Tab, vk::Tab},       {Qt::Key_Backtab, vk::Tab},
        {Qt::Key_Return, vk::Return},    {Qt::Key_Enter, vk::Return},  {Qt::Key_Shift, vk::Shift},
        {Qt::Key_Control, vk::Control},  {Qt::Key_Alt, vk::Menu},      {Qt::Key_Pause, vk::Pause},
        {Qt::Key_CapsLock, vk::Capital}, {Qt::Key_Escape, vk::Escape}, {Qt::Key_Space, vk::Space},
        {Qt::Key_PageUp, vk::Prior},     {Qt::Key_PageDown, vk::Next}, {Qt::Key_End, vk::End},
        {Qt::Key_Home, vk::Home},        {Qt::Key_Left, vk::Left},     {Qt::Key_Up, vk::Up},
        {Qt::Key_Right, vk::Right},      {Qt::Key_Down, vk::Down},     {Qt::Key_Insert, vk::Insert},
        {Qt::Key_Delete, vk::Delete}};
    for (auto [key, code] : keys)
        if (key == qtKey)
            return code;
    return 0;
}

// X keysyms of Latin letters and digits are their ASCII codes.
std::uint16_t keysymKey(std::uint32_t keysym) {
    if ((keysym >= '0' && keysym <= '9') || (keysym >= 'A' && keysym <= 'Z'))
        return static_cast<std::uint16_t>(keysym);
    if (keysym >= 'a' && keysym <= 'z')
        return static_cast<std::uint16_t>(keysym - 'a' + 'A');
    return 0;
}

} // namespace

std::uint16_t virtualKey(const KeyPress& key) {
    if (key.modifiers.testFlag(Qt::KeypadModifier)) {
        if (std::uint16_t code = keypadKey(key.qtKey))
            return code;
    }
    // The place of the key first, so Shift does not turn a digit into the character above it.
    if (std::uint16_t code = digitRowKey(key.scanCode))
        return code;
    if (std::uint16_t code = mainKey(key.qtKey))
        return code;
    // Qt's key says nothing on a layout whose letters are not Latin; the keysym may still.
    return keysymKey(key.keysym);
}
