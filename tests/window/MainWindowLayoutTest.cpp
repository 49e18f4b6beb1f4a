#include <QAbstractButton>
#include <QFontInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "QStringPrinter.h"
#include "TempFolder.h"
#include "TestPlatform.h"
#include "app/Program.h"
#include "platform/Cp932.h"
#include "platform/qt/MainWindowView.h"
#include "platform/qt/ShapeWidget.h"

namespace {

// The main window as designed: place inside the parent, size, caption, visibility at start, font.
// A label that sizes itself to its caption gets its size from the font, so only its place is exact.
struct Expected {
    const char* name;
    int left, top, width, height;
    const char* caption;
    bool visible;
    const char* face;
    int fontHeight;
    bool sizesItself = false;
};

const char* const Mincho = "ＭＳ 明朝";
const char* const Gothic = "ＭＳ ゴシック";
const char* const Times = "Times New Roman";

std::vector<Expected> designedWindow() {
    std::vector<Expected> rows = {
        {"PnlOpe", 0, 0, 646, 25, " Operation", true, Times, 15},
        {"SpdBtn1", 136, 1, 25, 23, "", true, Times, 13},
        {"SpdBtn2", 176, 1, 25, 23, "", true, Times, 13},
        {"SpdBtn3", 232, 1, 25, 23, "", true, Times, 13},
        {"SpdBtn4", 280, 1, 25, 23, "", true, Times, 13},
        {"SpdBtn5", 320, 0, 25, 25, "", true, Times, 13},
        {"SpdBtn6", 432, 1, 41, 23, "Listen", true, Times, 15},
        {"SpdBtn7", 488, 1, 41, 23, "Hint", true, Times, 15},
        {"SpdBtn0", 544, 0, 25, 25, "?", true, Times, 21},
        {"TT", 8, 30, 7, 13, "", true, Mincho, 13, true},
        {"LbMondai", 16, 56, 489, 15, "操作ボタンから｢問題ﾌｧｲﾙ｣を開け", true, Gothic, 15},
        {"Toi", 3, 80, 638, 113, "", true, "ＭＳ Ｐゴシック", 17},
        {"kakunin", 600, 194, 26, 13, "確認", true, Mincho, 13, true},
        {"GF1", 512, 360, 100, 17, "", false, nullptr, 0},
        {"LbHead2A", 520, 33, 52, 13, "累積時間", true, Mincho, 13, true},
        {"LbSkip", 575, 33, 14, 13, "  ", true, Gothic, 13, true},
        {"LbHead3A", 520, 48, 53, 13, "正 解 率", true, Mincho, 13, true},
        {"LbHead3B", 575, 48, 14, 13, "  ", true, Gothic, 13, true},
        {"LbHead4A", 520, 63, 52, 13, "平均分速", true, Mincho, 13, true},
        {"LbHead4B", 575, 63, 14, 13, "  ", true, Gothic, 13, true},
        {"BtnNext", 8, 363, 41, 37, "Enter", false, Times, 12},
        {"LblNo", 72, 363, 34, 13, "問 No", true, Mincho, 13, true},
        {"No", 109, 363, 7, 13, "", true, Gothic, 13, true},
        {"Yaku", 138, 363, 7, 13, "", true, Mincho, 13, true},
        {"Label25", 71, 386, 53, 13, "達 成 度", true, Mincho, 13, true},
        {"shGauge1", 130, 382, 432, 21, "", true, nullptr, 0},
        {"shGauge2", 132, 384, 5, 17, "", true, nullptr, 0},
        {"LbHead1B", 578, 386, 38, 13, "0/0", true, Mincho, 13},
    };
    static const std::vector<std::string> names = [] {
        std::vector<std::string> all;
        for (int n = 1; n <= 17; ++n) {
            all.push_back("Sel" + std::to_string(n));
            all.push_back("Label" + std::to_string(n));
        }
        return all;
    }();
    static const char* const selCaptions[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9",
                                              "A", "B", "C", "D", "E", "F", "G", "H"};
    static const char* const labelCaptions[] = {"選択肢１", "選択肢２", "選択肢３", "選択肢４"};
    const int rowTops[] = {200, 227, 254, 282, 309, 336};
    const int buttonLefts[] = {16, 456, 504};
    for (int n = 1; n <= 17; ++n) {
        int column = (n - 1) / 6;
        int top = rowTops[(n - 1) % 6];
        rows.push_back(
            {names[2 * (n - 1)].c_str(), buttonLefts[column], top, 25, 17, selCaptions[n - 1], n <= 4, Gothic, 17});
        rows.push_back({names[2 * (n - 1) + 1].c_str(), buttonLefts[column] + 32, top, n <= 4 ? 68 : 9, 17,
                        n <= 4 ? labelCaptions[n - 1] : "", true, Gothic, 17, true});
    }
    return rows;
}

QString captionOf(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return button->text();
    if (auto* memo = qobject_cast<QPlainTextEdit*>(widget))
        return memo->toPlainText();
    return {};
}

class MainWindowLayout : public testing::Test {
protected:
    MainWindowLayout() { view.show(); }

    TestPlatform platform;
    Program program{platform};
    MainWindowView view{program};
};

TEST_F(MainWindowLayout, EveryControlStandsAsDesigned) {
    for (const Expected& row : designedWindow()) {
        SCOPED_TRACE(row.name);
        auto* widget = view.findChild<QWidget*>(row.name);
        ASSERT_NE(widget, nullptr);
        QRect place = widget->geometry();
        EXPECT_EQ(place.topLeft(), QPoint(row.left, row.top));
        if (row.sizesItself) {
            // Same font height; the IPA faces' widths differ from the Windows ones by a pixel or two.
            EXPECT_NEAR(place.width(), row.width, 3);
            EXPECT_NEAR(place.height(), row.height, 2);
        } else {
            EXPECT_EQ(place.size(), QSize(row.width, row.height));
        }
        EXPECT_EQ(captionOf(widget), QString::fromUtf8(row.caption));
        EXPECT_EQ(widget->isVisible(), row.visible);
        if (row.face) {
            EXPECT_EQ(widget->font().family(), QString::fromUtf8(row.face));
            EXPECT_EQ(widget->font().pixelSize(), row.fontHeight);
        }
    }
}

TEST_F(MainWindowLayout, WindowHasItsDesignedFrame) {
    EXPECT_EQ(view.size(), QSize(646, 408));
    EXPECT_EQ(view.windowTitle(), QStringLiteral("Mn1"));
    EXPECT_EQ(view.palette().color(QPalette::Window), QColor(255, 255, 225));
    EXPECT_FALSE(view.windowIcon().isNull());
    EXPECT_EQ(view.findChild<QWidget*>("MediaPlayer1"), nullptr);
}

TEST_F(MainWindowLayout, ToolButtonsShowTheirHintsAndNeverTakeFocus) {
    const std::vector<std::pair<const char*, const char*>> hints = {{"SpdBtn1", "問題を開く"},
                                                                    {"SpdBtn2", "終了"},
                                                                    {"SpdBtn3", "次問にスキップ"},
                                                                    {"SpdBtn4", "英文字専用字体"},
                                                                    {"SpdBtn5", "サウンド"},
                                                                    {"SpdBtn6", ""},
                                                                    {"SpdBtn7", ""},
                                                                    {"SpdBtn0", ""}};
    auto* panel = view.findChild<QWidget*>("PnlOpe");
    for (const auto& [name, hint] : hints) {
        SCOPED_TRACE(name);
        auto* button = view.findChild<QWidget*>(name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->parentWidget(), panel);
        EXPECT_EQ(button->toolTip(), QString::fromUtf8(hint));
        EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);
    }
}

TEST_F(MainWindowLayout, GaugeAndVerdictColours) {
    auto* frame = view.findChild<ShapeWidget*>("shGauge1");
    auto* bar = view.findChild<ShapeWidget*>("shGauge2");
    ASSERT_TRUE(frame && bar);
    EXPECT_EQ(frame->fill(), QColor(128, 128, 128));
    EXPECT_EQ(frame->outline(), QColor(0, 128, 0));
    EXPECT_EQ(bar->fill(), QColor(0, 255, 255));
    EXPECT_EQ(bar->outline(), QColor(255, 255, 255));
    EXPECT_EQ(view.findChild<QWidget*>("PnlOpe")->palette().color(QPalette::Window), QColor(0, 255, 255));
    EXPECT_EQ(view.findChild<QWidget*>("Toi")->palette().color(QPalette::Base), QColor(255, 255, 255));
}

// The Windows face names find the metric-compatible faces installed with the program.
TEST_F(MainWindowLayout, FacesResolveToInstalledOnes) {
    const std::vector<std::pair<const char*, const char*>> faces = {
        {"LbHead2A", "IPAMincho"}, {"LbMondai", "IPAGothic"}, {"Toi", "IPAPGothic"}, {"PnlOpe", "Liberation Serif"}};
    for (const auto& [name, installed] : faces) {
        SCOPED_TRACE(name);
        EXPECT_EQ(QFontInfo(view.findChild<QWidget*>(name)->font()).family(), QString::fromUtf8(installed));
    }
}

TEST_F(MainWindowLayout, ResizingMovesNothingButThePanelWidth) {
    std::vector<std::pair<QWidget*, QRect>> before;
    for (auto* widget : view.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        before.emplace_back(widget, widget->geometry());
    for (QSize size : {QSize(800, 500), QSize(400, 300), QSize(646, 408)}) {
        view.resize(size);
        for (const auto& [widget, place] : before) {
            SCOPED_TRACE(widget->objectName().toStdString());
            if (widget->objectName() == QLatin1String("PnlOpe"))
                EXPECT_EQ(widget->geometry(), QRect(0, 0, size.width(), 25));
            else
                EXPECT_EQ(widget->geometry(), place);
        }
    }
}

TEST_F(MainWindowLayout, MemoIsReadOnlyAndNoTabStop) {
    auto* memo = view.findChild<QPlainTextEdit*>("Toi");
    EXPECT_TRUE(memo->isReadOnly());
    EXPECT_EQ(memo->focusPolicy(), Qt::ClickFocus);
    EXPECT_TRUE(view.findChild<QPushButton*>("Sel1")->isDefault());
}

TEST_F(MainWindowLayout, LabelsFollowTheirCaptionFromTheirPlace) {
    Control& yaku = program.Mn1.Yaku;
    auto* label = view.findChild<QLabel*>("Yaku");
    yaku.setCaption(sjis("私は学生です。"));
    EXPECT_EQ(label->text(), QStringLiteral("私は学生です。"));
    EXPECT_EQ(label->pos(), QPoint(138, 363));
    EXPECT_NEAR(label->width(), 7 * 13, 3);
    yaku.setCaption("");
    EXPECT_NEAR(label->width(), 7, 3);

    // A fixed-size label keeps its size whatever it shows.
    program.Mn1.LbHead1B.setCaption("128/128");
    EXPECT_EQ(view.findChild<QLabel*>("LbHead1B")->size(), QSize(38, 13));
}

TEST_F(MainWindowLayout, ModelChangesReachTheWidgetsAtOnce) {
    Control& bar = program.Mn1.shGauge2;
    bar.setWidth(214);
    EXPECT_EQ(view.findChild<QWidget*>("shGauge2")->geometry(), QRect(132, 384, 214, 17));
    bar.setWidth(-4); // never drawn inside out
    EXPECT_EQ(view.findChild<QWidget*>("shGauge2")->width(), 0);

    program.Mn1.kakunin.setColor(colors::green);
    EXPECT_EQ(view.findChild<QWidget*>("kakunin")->palette().color(QPalette::Window), QColor(0, 128, 0));
    program.Mn1.Sel(9).setVisible(true);
    EXPECT_TRUE(view.findChild<QWidget*>("Sel9")->isVisible());
    program.Mn1.Sel(9).setLeft(300);
    EXPECT_EQ(view.findChild<QWidget*>("Sel9")->pos(), QPoint(300, 200 + 27 * 2));
}

TEST_F(MainWindowLayout, QuestionPictureShowsInItsOwnSize) {
    TempFolder folder;
    QImage picture(60, 40, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    ASSERT_TRUE(picture.save(QStringLiteral("絵01.bmp"), "BMP"));
    folder.write("broken.bmp", "BM nonsense");

    Control& gf1 = program.Mn1.GF1;
    auto* shown = view.findChild<QLabel*>("GF1");
    gf1.setPicture(sjis("絵01.bmp"));
    gf1.setVisible(true);
    EXPECT_TRUE(shown->isVisible());
    EXPECT_EQ(shown->geometry(), QRect(512, 360, 60, 40));
    EXPECT_EQ(shown->pixmap().size(), QSize(60, 40));

    gf1.setPicture("broken.bmp");
    EXPECT_TRUE(shown->pixmap().isNull());
    gf1.setPicture("missing.bmp");
    EXPECT_TRUE(shown->pixmap().isNull());
    gf1.setVisible(false);
    EXPECT_FALSE(shown->isVisible());
}

} // namespace
