#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "questions/OpenCommand.h"
#include "run/Answers.h"
#include "run/ListenHintSkip.h"

class Control;
struct Program;

// The event handlers of the main window, called by the view; those of the Open command, the answers and
// the listen, hint and skip buttons are declared beside their code.
void FormCreate(Program& program);
void FormDestroy(Program& program);

void SpdBtn0Click(Program& program); // help
void SpdBtn2Click(Program& program); // exit
void SpdBtn4Click(Program& program); // typeface
void SpdBtn5Click(Program& program); // sound
void SpdBtn8Click(Program& program); // results history
void BtnNextClick(Program& program);

// Runs a handler the way the window does, if its input rule takes input now. An AppError ends it and
// is shown in the error box; any other failure is an internal fault, written to standard error and
// shown in a box of its own. Either way the program goes on.
void RunHandler(Program& program, void (*handler)(Program&));
void RunHandler(Program& program, void (*handler)(Program&, const Control&), const Control& sender);
void RunHandler(Program& program, void (*handler)(Program&, std::uint16_t&), std::uint16_t& key);
// The same for work that is no handler of the window: no input rule, `name` in the reports.
void RunHandler(Program& program, std::string_view name, const std::function<void()>& work);

// Windows virtual-key codes: the key mapping of the view writes them and the key handler reads them.
namespace vk {
inline constexpr std::uint16_t Back = 0x08;
inline constexpr std::uint16_t Tab = 0x09;
inline constexpr std::uint16_t Return = 0x0D;
inline constexpr std::uint16_t Shift = 0x10;
inline constexpr std::uint16_t Control = 0x11;
inline constexpr std::uint16_t Menu = 0x12; // Alt
inline constexpr std::uint16_t Pause = 0x13;
inline constexpr std::uint16_t Capital = 0x14; // Caps Lock
inline constexpr std::uint16_t Escape = 0x1B;
inline constexpr std::uint16_t Space = 0x20;
inline constexpr std::uint16_t Prior = 0x21; // Page Up
inline constexpr std::uint16_t Next = 0x22;  // Page Down
inline constexpr std::uint16_t End = 0x23;
inline constexpr std::uint16_t Home = 0x24;
inline constexpr std::uint16_t Left = 0x25;
inline constexpr std::uint16_t Up = 0x26;
inline constexpr std::uint16_t Right = 0x27;
inline constexpr std::uint16_t Down = 0x28;
inline constexpr std::uint16_t Insert = 0x2D;
inline constexpr std::uint16_t Delete = 0x2E;
// Digits and letters of the main keyboard are their upper-case ASCII codes.
inline constexpr std::uint16_t Digit0 = 0x30;
inline constexpr std::uint16_t Numpad0 = 0x60;
inline constexpr std::uint16_t Multiply = 0x6A;
inline constexpr std::uint16_t Add = 0x6B;
inline constexpr std::uint16_t Subtract = 0x6D;
inline constexpr std::uint16_t Decimal = 0x6E;
inline constexpr std::uint16_t Divide = 0x6F;
inline constexpr std::uint16_t F1 = 0x70;
} // namespace vk
