#pragma once
#include <array>
#include <memory>
#include <vector>

#include "model/Control.h"
#include "model/Faces.h"
#include "model/Memo.h"
#include "text/LineList.h"

inline constexpr int ChoiceButtonCount = 17;
inline constexpr int ClientWidth = 646;
inline constexpr int ClientHeight = 408;

// The main window Mn1: every control at its design place, and the three line lists it owns.
class TMn1 {
public:
    TMn1();

    std::string Caption; // title bar text
    Rgb Color;           // window background
    FontSpec Font;

    Control PnlOpe{"PnlOpe", ControlKind::Panel, 0, 0, ClientWidth, 25};
    Control SpdBtn1{"SpdBtn1", ControlKind::ToolButton, 136, 1, 25, 23};
    Control SpdBtn2{"SpdBtn2", ControlKind::ToolButton, 176, 1, 25, 23};
    Control SpdBtn3{"SpdBtn3", ControlKind::ToolButton, 232, 1, 25, 23};
    Control SpdBtn4{"SpdBtn4", ControlKind::ToolButton, 280, 1, 25, 23};
    Control SpdBtn5{"SpdBtn5", ControlKind::ToolButton, 320, 0, 25, 25};
    Control SpdBtn8{"SpdBtn8", ControlKind::ToolButton, 376, 1, 25, 23};
    Control SpdBtn6{"SpdBtn6", ControlKind::ToolButton, 432, 1, 41, 23};
    Control SpdBtn7{"SpdBtn7", ControlKind::ToolButton, 488, 1, 41, 23};
    Control SpdBtn0{"SpdBtn0", ControlKind::ToolButton, 544, 0, 25, 25};
    Control SpdBtn9{"SpdBtn9", ControlKind::ToolButton, 584, 1, 25, 23};

    Control TT{"TT", ControlKind::Label, 8, 30, 7, 13};
    Control LbMondai{"LbMondai", ControlKind::Label, 16, 56, 489, 15};
    Memo Toi{"Toi", ControlKind::Memo, 3, 80, 638, 113};
    Control kakunin{"kakunin", ControlKind::Label, 600, 194, 26, 13};
    Control GF1{"GF1", ControlKind::Picture, 512, 360, 100, 17};

    Control LbHead2A{"LbHead2A", ControlKind::Label, 520, 33, 52, 13};
    Control LbSkip{"LbSkip", ControlKind::Label, 575, 33, 14, 13};
    Control LbHead3A{"LbHead3A", ControlKind::Label, 520, 48, 53, 13};
    Control LbHead3B{"LbHead3B", ControlKind::Label, 575, 48, 14, 13};
    Control LbHead4A{"LbHead4A", ControlKind::Label, 520, 63, 52, 13};
    Control LbHead4B{"LbHead4B", ControlKind::Label, 575, 63, 14, 13};

    Control BtnNext{"BtnNext", ControlKind::Button, 8, 363, 41, 37};
    Control LblNo{"LblNo", ControlKind::Label, 72, 363, 34, 13};
    Control No{"No", ControlKind::Label, 109, 363, 7, 13};
    Control Yaku{"Yaku", ControlKind::Label, 138, 363, 7, 13};
    Control Label25{"Label25", ControlKind::Label, 71, 386, 53, 13};
    Control shGauge1{"shGauge1", ControlKind::Shape, 130, 382, 432, 21};
    Control shGauge2{"shGauge2", ControlKind::Shape, 132, 384, 5, 17};
    Control LbHead1B{"LbHead1B", ControlKind::Label, 578, 386, 38, 13};

    Control MediaPlayer1{"MediaPlayer1", ControlKind::Player, 168, 16, 253, 20};

    // Choice buttons and their text labels, numbered 1 to 17.
    Control& Sel(int number) { return *m_sel.at(static_cast<std::size_t>(number - 1)); }
    Control& Label(int number) { return *m_label.at(static_cast<std::size_t>(number - 1)); }
    // The number of a choice button, 0 for any other control.
    int selNumber(const Control& control) const;

    LineList FileLines;
    LineList ChoiceLines;
    LineList TranslationLines;

    // Keyboard focus; the toolbar buttons never take it.
    const Control* focused() const { return m_focused; }
    void setFocus(const Control& control);
    const Control* defaultButton() const { return m_sel[0].get(); }

    // Every control, in the order the window creates them.
    const std::vector<Control*>& controls() const { return m_controls; }
    Control* find(std::string_view name) const;
    void setObserver(ControlObserver* observer);

private:
    std::array<std::unique_ptr<Control>, ChoiceButtonCount> m_sel;
    std::array<std::unique_ptr<Control>, ChoiceButtonCount> m_label;
    std::vector<Control*> m_controls;
    const Control* m_focused = nullptr;
    ControlObserver* m_observer = nullptr;
};

// The choice label of a choice number: "1".."9", then "A".."H".
std::string choiceLabel(int number);
// The choice number of a label byte.
int choiceNumber(char label);
