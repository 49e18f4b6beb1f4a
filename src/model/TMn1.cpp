#include "model/TMn1.h"

#include "text/Cp932.h"

std::string choiceLabel(int number) {
    return std::string(1, static_cast<char>(number <= 9 ? '0' + number : number + 55));
}

int choiceNumber(char label) {
    return label < 'A' ? label - '0' : label - 55;
}

namespace {

constexpr std::array<int, 6> RowTops{200, 227, 254, 282, 309, 336};

FontSpec font(std::string face, int height, bool bold = false, bool italic = false) {
    return FontSpec{std::move(face), height, bold, italic, colors::black};
}

void label(Control& control, const std::string& face, int height, std::string caption, bool autoSize = true) {
    control.setFont(font(face, height));
    control.setCaption(std::move(caption));
    control.setAutoSize(autoSize);
}

} // namespace

TMn1::TMn1() : Caption("Mn1"), Color(colors::tooltipBackground), Font(font(faces::System.bytes(), 13)) {
    const std::string mincho = faces::Mincho.bytes();
    const std::string gothic = faces::Gothic.bytes();

    PnlOpe.setCaption(" Operation");
    PnlOpe.setColor(colors::aqua);
    PnlOpe.setFont(font(faces::TimesNewRoman.bytes(), 15, true, true));
    PnlOpe.setTabOrder(19);

    struct ToolButton {
        Control& button;
        const char* hint;
        const char* picture;
    };
    for (const ToolButton& tool :
         {ToolButton{SpdBtn1, "問題を開く", "open.bmp"}, ToolButton{SpdBtn2, "終了", "exit.bmp"},
          ToolButton{SpdBtn3, "次問にスキップ", "skip.bmp"}, ToolButton{SpdBtn4, "英文字専用字体", "typeface.bmp"},
          ToolButton{SpdBtn5, "サウンド", "sound.bmp"}, ToolButton{SpdBtn8, "成績の記録", "history.bmp"},
          ToolButton{SpdBtn9, "間違えた問題をもう一度", "retry.bmp"}}) {
        tool.button.setHint(sjis(tool.hint));
        tool.button.setPicture(tool.picture);
        tool.button.setFont(font(faces::TimesNewRoman.bytes(), 13, true, true));
    }
    SpdBtn6.setCaption("Listen");
    SpdBtn7.setCaption("Hint");
    SpdBtn6.setFont(PnlOpe.font());
    SpdBtn7.setFont(PnlOpe.font());
    SpdBtn0.setCaption("?");
    SpdBtn0.setFont(font(faces::TimesNewRoman.bytes(), 21, true));
    for (Control* tool :
         {&SpdBtn1, &SpdBtn2, &SpdBtn3, &SpdBtn4, &SpdBtn5, &SpdBtn8, &SpdBtn6, &SpdBtn7, &SpdBtn0, &SpdBtn9}) {
        tool->setParent(&PnlOpe);
        tool->setColor(colors::aqua);
    }

    label(TT, mincho, 13, "");
    label(LbMondai, gothic, 15, sjis("操作ボタンから｢問題ﾌｧｲﾙ｣を開け"), false);
    Toi.setFont(font(faces::PGothicStart.bytes(), 17));
    Toi.setColor(colors::white);
    Toi.setTabOrder(17);
    label(kakunin, mincho, 13, sjis("確認"));
    GF1.setVisible(false);
    GF1.setAutoSize(true);

    SpdBtn9.setEnabled(false);

    m_controls = {&PnlOpe,  &SpdBtn1, &SpdBtn2, &SpdBtn3, &SpdBtn4,  &SpdBtn5, &SpdBtn8, &SpdBtn6,
                  &SpdBtn7, &SpdBtn0, &SpdBtn9, &TT,      &LbMondai, &Toi,     &kakunin, &GF1};

    for (int n = 1; n <= ChoiceButtonCount; ++n) {
        int column = (n - 1) / 6;
        int top = RowTops[static_cast<std::size_t>((n - 1) % 6)];
        const int buttonLefts[] = {16, 456, 504};
        auto& button = m_sel[static_cast<std::size_t>(n - 1)];
        button =
            std::make_unique<Control>("Sel" + std::to_string(n), ControlKind::Button, buttonLefts[column], top, 25, 17);
        button->setCaption(choiceLabel(n));
        button->setFont(font(gothic, 17));
        button->setTabOrder(n - 1);
        button->setVisible(n <= 4);

        auto& text = m_label[static_cast<std::size_t>(n - 1)];
        text = std::make_unique<Control>("Label" + std::to_string(n), ControlKind::Label, buttonLefts[column] + 32, top,
                                         n <= 4 ? 68 : 9, 17);
        label(*text, gothic, 17, n <= 4 ? sjis("選択肢") + sjis(std::string("１２３４").substr((n - 1) * 3, 3)) : "");
    }
    for (auto& button : m_sel)
        m_controls.push_back(button.get());
    for (auto& text : m_label)
        m_controls.push_back(text.get());

    label(LbHead2A, mincho, 13, sjis("累積時間"));
    label(LbSkip, gothic, 13, "  ");
    label(LbHead3A, mincho, 13, sjis("正 解 率"));
    label(LbHead3B, gothic, 13, "  ");
    label(LbHead4A, mincho, 13, sjis("平均分速"));
    label(LbHead4B, gothic, 13, "  ");

    BtnNext.setCaption("Enter");
    BtnNext.setFont(font(faces::TimesNewRoman.bytes(), 12, false, true));
    BtnNext.setVisible(false);
    BtnNext.setTabOrder(20);
    label(LblNo, mincho, 13, sjis("問 No"));
    label(No, gothic, 13, "");
    label(Yaku, mincho, 13, "");
    label(Label25, mincho, 13, sjis("達 成 度"));
    shGauge1.setColor(colors::grey);
    shGauge1.setPenColor(colors::green);
    shGauge2.setColor(colors::aqua);
    shGauge2.setPenColor(colors::white);
    label(LbHead1B, mincho, 13, "0/0", false);
    MediaPlayer1.setTabOrder(18);

    for (Control* control : {&LbHead2A, &LbSkip, &LbHead3A, &LbHead3B, &LbHead4A, &LbHead4B, &BtnNext, &LblNo, &No,
                             &Yaku, &Label25, &shGauge1, &shGauge2, &LbHead1B, &MediaPlayer1})
        m_controls.push_back(control);
}

int TMn1::selNumber(const Control& control) const {
    for (int n = 1; n <= ChoiceButtonCount; ++n)
        if (m_sel[static_cast<std::size_t>(n - 1)].get() == &control)
            return n;
    return 0;
}

void TMn1::setFocus(const Control& control) {
    if (control.kind() == ControlKind::ToolButton || m_focused == &control)
        return;
    m_focused = &control;
    if (m_observer)
        m_observer->controlChanged(control);
}

Control* TMn1::find(std::string_view name) const {
    for (Control* control : m_controls)
        if (control->name() == name)
            return control;
    return nullptr;
}

void TMn1::setObserver(ControlObserver* observer) {
    m_observer = observer;
    for (Control* control : m_controls)
        control->setObserver(observer);
}
