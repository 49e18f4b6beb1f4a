#pragma once
#include <cstdint>
#include <string>

struct Program;

inline constexpr int GaugeFullWidth = 428; // shGauge2 when every question is mastered

// Puts question CurrentQuestion on the window and prepares ChoiceLines, ChoiceCount and AnswerLine.
void PresentQuestion(Program& program, std::int32_t n);
// Writes the choice texts into the labels and shows the buttons needed; hides nothing.
void ShowChoices(Program& program);
// Empties Label3..Label17 and hides Sel3..Sel17.
void ClearChoices(Program& program);
// Moves column 2 (first = 7) or 3 (first = 13) right of the widest text of the column before it.
void PlaceChoiceColumn(Program& program, std::int32_t first, std::int32_t widest);

// Makes n the current question and presents it: PresentQuestion, ShuffleKey, SelectBlank, ShowChoices.
void ShowQuestion(Program& program, std::int32_t n);

// The question number as media file names use it: a "0" in front below 10.
std::string TwoDigitNumber(std::int32_t n);
// The question's own sound file name.
std::string QuestionSoundName(const Program& program);
// The translation line of the current question, empty when the translation file has none for it.
std::string TranslationLine(const Program& program);
