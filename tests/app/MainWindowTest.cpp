#include <gtest/gtest.h>

#include <set>

#include "fake/Drill.h"

namespace {

// The window as the learner first sees it. Faces and captions are UTF-8 here; "" in `face` skips the font.
struct Expected {
    const char* name;
    int left, top, width, height;
    const char* caption;
    bool visible;
    const char* face;
    int fontHeight;
    bool bold, italic;
    int tabOrder; // -1: none
};

const Expected Layout[] = {
    {"PnlOpe", 0, 0, 646, 25, " Operation", true, "Times New Roman", 15, true, true, 19},
    {"SpdBtn1", 136, 1, 25, 23, "", true, "Times New Roman", 13, true, true, -1},
    {"SpdBtn2", 176, 1, 25, 23, "", true, "Times New Roman", 13, true, true, -1},
    {"SpdBtn3", 232, 1, 25, 23, "", true, "Times New Roman", 13, true, true, -1},
    {"SpdBtn4", 280, 1, 25, 23, "", true, "Times New Roman", 13, true, true, -1},
    {"SpdBtn5", 320, 0, 25, 25, "", true, "Times New Roman", 13, true, true, -1},
    {"SpdBtn6", 432, 1, 41, 23, "Listen", true, "Times New Roman", 15, true, true, -1},
    {"SpdBtn7", 488, 1, 41, 23, "Hint", true, "Times New Roman", 15, true, true, -1},
    {"SpdBtn0", 544, 0, 25, 25, "?", true, "Times New Roman", 21, true, false, -1},
    {"TT", 8, 30, 7, 13, "", true, "ＭＳ 明朝", 13, false, false, -1},
    {"LbMondai", 16, 56, 489, 15, "操作ボタンから｢問題ﾌｧｲﾙ｣を開け", true, "ＭＳ ゴシック", 15, false, false, -1},
    {"Toi", 3, 80, 638, 113, "", true, "ＭＳ Ｐゴシック", 17, false, false, 17},
    {"kakunin", 600, 194, 26, 13, "確認", true, "ＭＳ 明朝", 13, false, false, -1},
    {"GF1", 512, 360, 100, 17, "", false, "", 0, false, false, -1},
    {"Sel1", 16, 200, 25, 17, "1", true, "ＭＳ ゴシック", 17, false, false, 0},
    {"Sel4", 16, 282, 25, 17, "4", true, "ＭＳ ゴシック", 17, false, false, 3},
    {"Sel5", 16, 309, 25, 17, "5", false, "ＭＳ ゴシック", 17, false, false, 4},
    {"Sel6", 16, 336, 25, 17, "6", false, "ＭＳ ゴシック", 17, false, false, 5},
    {"Sel7", 456, 200, 25, 17, "7", false, "ＭＳ ゴシック", 17, false, false, 6},
    {"Sel9", 456, 254, 25, 17, "9", false, "ＭＳ ゴシック", 17, false, false, 8},
    {"Sel10", 456, 282, 25, 17, "A", false, "ＭＳ ゴシック", 17, false, false, 9},
    {"Sel12", 456, 336, 25, 17, "C", false, "ＭＳ ゴシック", 17, false, false, 11},
    {"Sel13", 504, 200, 25, 17, "D", false, "ＭＳ ゴシック", 17, false, false, 12},
    {"Sel17", 504, 309, 25, 17, "H", false, "ＭＳ ゴシック", 17, false, false, 16},
    {"Label1", 48, 200, 68, 17, "選択肢１", true, "ＭＳ ゴシック", 17, false, false, -1},
    {"Label4", 48, 282, 68, 17, "選択肢４", true, "ＭＳ ゴシック", 17, false, false, -1},
    {"Label5", 48, 309, 9, 17, "", true, "ＭＳ ゴシック", 17, false, false, -1},
    {"Label7", 488, 200, 9, 17, "", true, "ＭＳ ゴシック", 17, false, false, -1},
    {"Label13", 536, 200, 9, 17, "", true, "ＭＳ ゴシック", 17, false, false, -1},
    {"Label17", 536, 309, 9, 17, "", true, "ＭＳ ゴシック", 17, false, false, -1},
    {"LbHead2A", 520, 33, 52, 13, "累積時間", true, "ＭＳ 明朝", 13, false, false, -1},
    {"LbSkip", 575, 33, 14, 13, "  ", true, "ＭＳ ゴシック", 13, false, false, -1},
    {"LbHead3A", 520, 48, 53, 13, "正 解 率", true, "ＭＳ 明朝", 13, false, false, -1},
    {"LbHead3B", 575, 48, 14, 13, "  ", true, "ＭＳ ゴシック", 13, false, false, -1},
    {"LbHead4A", 520, 63, 52, 13, "平均分速", true, "ＭＳ 明朝", 13, false, false, -1},
    {"LbHead4B", 575, 63, 14, 13, "  ", true, "ＭＳ ゴシック", 13, false, false, -1},
    {"BtnNext", 8, 363, 41, 37, "Enter", false, "Times New Roman", 12, false, true, 20},
    {"LblNo", 72, 363, 34, 13, "問 No", true, "ＭＳ 明朝", 13, false, false, -1},
    {"No", 109, 363, 7, 13, "", true, "ＭＳ ゴシック", 13, false, false, -1},
    {"Yaku", 138, 363, 7, 13, "", true, "ＭＳ 明朝", 13, false, false, -1},
    {"Label25", 71, 386, 53, 13, "達 成 度", true, "ＭＳ 明朝", 13, false, false, -1},
    {"shGauge1", 130, 382, 432, 21, "", true, "", 0, false, false, -1},
    {"shGauge2", 132, 384, 5, 17, "", true, "", 0, false, false, -1},
    {"LbHead1B", 578, 386, 38, 13, "0/0", true, "ＭＳ 明朝", 13, false, false, -1},
    {"MediaPlayer1", 168, 16, 253, 20, "", false, "", 0, false, false, 18},
};

TEST(MainWindow, StartsAsDesigned) {
    Drill drill;
    const TMn1& window = drill.program.Mn1;
    EXPECT_EQ(window.Caption, "Mn1");
    EXPECT_EQ(window.Color, colors::tooltipBackground);

    for (const Expected& e : Layout) {
        SCOPED_TRACE(e.name);
        const Control* control = window.find(e.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->left(), e.left);
        EXPECT_EQ(control->top(), e.top);
        EXPECT_EQ(control->width(), e.width);
        EXPECT_EQ(control->height(), e.height);
        EXPECT_EQ(control->caption(), sjis(e.caption));
        EXPECT_EQ(control->visible(), e.visible);
        EXPECT_EQ(control->tabOrder(), e.tabOrder);
        if (*e.face) {
            EXPECT_EQ(control->font().face, sjis(e.face));
            EXPECT_EQ(control->font().height, e.fontHeight);
            EXPECT_EQ(control->font().bold, e.bold);
            EXPECT_EQ(control->font().italic, e.italic);
            EXPECT_EQ(control->font().color, colors::black);
        }
    }
}

TEST(MainWindow, ControlsBelongWhereTheyShould) {
    Drill drill;
    TMn1& window = drill.program.Mn1;
    std::set<std::string> names;
    for (const Control* control : window.controls())
        EXPECT_TRUE(names.insert(control->name()).second) << "twice: " << control->name();
    EXPECT_EQ(names.size(), 14u + 2 * ChoiceButtonCount + 15u);

    // Toolbar buttons sit on the panel, carry their hints and never take the focus.
    const char* hints[] = {"問題を開く", "終了", "次問にスキップ", "英文字専用字体", "サウンド"};
    for (int n = 1; n <= 5; ++n) {
        const Control& button = *window.find("SpdBtn" + std::to_string(n));
        EXPECT_EQ(button.hint(), sjis(hints[n - 1])) << button.name();
        EXPECT_FALSE(button.picture().empty()) << button.name();
    }
    for (const char* name : {"SpdBtn1", "SpdBtn6", "SpdBtn0"}) {
        EXPECT_EQ(window.find(name)->parent(), &window.PnlOpe) << name;
        window.setFocus(*window.find(name));
        EXPECT_EQ(window.focused(), nullptr) << name;
    }
    EXPECT_EQ(window.PnlOpe.color(), colors::aqua);
    EXPECT_EQ(window.Toi.color(), colors::white);
    EXPECT_EQ(window.shGauge1.color(), colors::grey);
    EXPECT_EQ(window.shGauge1.penColor(), colors::green);
    EXPECT_EQ(window.shGauge2.color(), colors::aqua);
    EXPECT_EQ(window.shGauge2.penColor(), colors::white);
    EXPECT_FALSE(window.LbMondai.autoSize());
    EXPECT_FALSE(window.LbHead1B.autoSize());
    EXPECT_TRUE(window.GF1.autoSize());
    EXPECT_EQ(window.defaultButton(), &window.Sel(1));
    EXPECT_EQ(window.selNumber(window.Sel(17)), 17);
    EXPECT_EQ(window.selNumber(window.Label(1)), 0);
}

TEST(MainWindow, ChoiceLabelsAndNumbersMatch) {
    const std::string labels = "123456789ABCDEFGH";
    for (int n = 1; n <= ChoiceButtonCount; ++n) {
        std::string label = choiceLabel(n);
        EXPECT_EQ(label, labels.substr(static_cast<std::size_t>(n - 1), 1)) << n;
        EXPECT_EQ(choiceNumber(label[0]), n) << label;
    }
}

} // namespace
