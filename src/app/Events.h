#pragma once
#include <cstdint>
#include <functional>
#include <string_view>

class Control;
struct Program;

// The event handlers of the main window, called by the view.
void FormCreate(Program& program);
void FormDestroy(Program& program);

void SpdBtn0Click(Program& program); // help
void SpdBtn1Click(Program& program); // open
void SpdBtn2Click(Program& program); // exit
void SpdBtn3Click(Program& program); // skip
void SpdBtn4Click(Program& program); // typeface
void SpdBtn5Click(Program& program); // sound
void SpdBtn6Click(Program& program); // listen
void SpdBtn7Click(Program& program); // hint
void BtnNextClick(Program& program);
void Sel1Click(Program& program, const Control& Sender);
void SentakuBango(Program& program, std::uint16_t& Key);

// Runs a handler the way the window does, if its input rule takes input now. An AppError ends it and
// is shown in the error box; any other failure is an internal fault, written to standard error and
// shown in a box of its own. Either way the program goes on.
void RunHandler(Program& program, void (*handler)(Program&));
void RunHandler(Program& program, void (*handler)(Program&, const Control&), const Control& sender);
void RunHandler(Program& program, void (*handler)(Program&, std::uint16_t&), std::uint16_t& key);
// The same for work that is no handler of the window: no input rule, `name` in the reports.
void RunHandler(Program& program, std::string_view name, const std::function<void()>& work);

// Virtual-key codes the key handler understands.
namespace vk {
inline constexpr std::uint16_t Return = 0x0D;
inline constexpr std::uint16_t Shift = 0x10;
inline constexpr std::uint16_t Space = 0x20;
inline constexpr std::uint16_t Digit0 = 0x30;
inline constexpr std::uint16_t LetterA = 0x41;
inline constexpr std::uint16_t Numpad0 = 0x60;
} // namespace vk
