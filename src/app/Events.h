#pragma once
#include <cstdint>
#include <functional>

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
void SpdBtn8Click(Program& program); // results history
void BtnNextClick(Program& program);
void Sel1Click(Program& program, const Control& Sender);
void SentakuBango(Program& program, std::uint16_t& Key);

// Runs one handler the way the window does: a failure ends the handler and is shown in the
// standard error box, and the program goes on.
void RunHandler(Program& program, const std::function<void()>& handler);

// Virtual-key codes the key handler understands.
namespace vk {
inline constexpr std::uint16_t Return = 0x0D;
inline constexpr std::uint16_t Shift = 0x10;
inline constexpr std::uint16_t Space = 0x20;
inline constexpr std::uint16_t Digit0 = 0x30;
inline constexpr std::uint16_t LetterA = 0x41;
inline constexpr std::uint16_t Numpad0 = 0x60;
} // namespace vk
