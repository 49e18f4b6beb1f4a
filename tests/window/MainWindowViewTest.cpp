#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <array>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "QStringPrinter.h"
#include "TempFolder.h"
#include "TestPlatform.h"
#include "app/Program.h"
#include "platform/Cp932.h"
#include "platform/qt/MainWindowView.h"

namespace {

// A control as designed: place, size, caption, visibility at start, font. A label that sizes itself
// to its caption gets its size from the font, so only its place is exact.
struct Expected {
    std::string name;
    int left, top, width, height;
    std::string caption;
    bool visible;
    const char* face;
    int fontHeight;
    bool sizesItself = false;
};

const char* const Mincho = "ＭＳ 明朝";
const char* const Gothic = "ＭＳ ゴシック";
const char* const PGothic = "ＭＳ Ｐゴシック";
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
        {"Toi", 3, 80, 638, 113, "", true, PGothic, 17},
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
    // Choices stand in three columns of six rows, each button with its label to the right.
    const char* const labelCaptions[] = {"選択肢１", "選択肢２", "選択肢３", "選択肢４"};
    for (int n = 1; n <= 17; ++n) {
        int left = std::array{16, 456, 504}[(n - 1) / 6];
        int top = std::array{200, 227, 254, 282, 309, 336}[(n - 1) % 6];
        std::string number = std::to_string(n);
        rows.push_back({"Sel" + number, left, top, 25, 17, {"123456789ABCDEFGH"[n - 1]}, n <= 4, Gothic, 17});
        rows.push_back({"Label" + number, left + 32, top, n <= 4 ? 68 : 9, 17, n <= 4 ? labelCaptions[n - 1] : "", true,
                        Gothic, 17, true});
    }
    return rows;
}

class MainWindow : public testing::Test {
protected:
    MainWindow() {
        // One question with one blank; the choices keep the file's order, so "1" is right.
        folder.write("drill.m7", sjis("テスト\r\ntest\r\n/R\r\n私は___です。\r\n#学生#先生#医者\r\n1\r\n"));
        platform.chooseFileAnswer = [] { return std::string("drill.m7"); };
        platform.setMainWindow(view.get());
        view->show();
        QApplication::setActiveWindow(view.get());
    }

    template <typename W = QWidget> W* widget(const char* name) { return view->findChild<W*>(name); }
    QPlainTextEdit* memo() { return widget<QPlainTextEdit>("Toi"); }
    QString verdict() { return widget<QLabel>("kakunin")->text(); }
    void click(const char* name) { QTest::mouseClick(widget(name), Qt::LeftButton); }
    void openDrill() {
        click("SpdBtn1");
        ASSERT_EQ(memo()->toPlainText(), QStringLiteral("私は___です。\n"));
    }

    TempFolder folder;
    TestPlatform platform;
    Program program{platform};
    std::unique_ptr<MainWindowView> view = std::make_unique<MainWindowView>(program);
};

TEST_F(MainWindow, EveryControlStandsAsDesignedAndOnlyThePanelFollowsTheWidth) {
    EXPECT_EQ(view->size(), QSize(646, 408));
    EXPECT_EQ(view->windowTitle(), QStringLiteral("Mn1"));
    EXPECT_TRUE(widget<QPushButton>("Sel1")->isDefault());
    EXPECT_EQ(widget("SpdBtn1")->toolTip(), QStringLiteral("問題を開く"));
    // The Windows faces find the metric-compatible ones installed with the program.
    const std::map<std::string, QString> installed = {
        {Mincho, "IPAMincho"}, {Gothic, "IPAGothic"}, {PGothic, "IPAPGothic"}, {Times, "Liberation Serif"}};
    for (QSize size : {QSize(646, 408), QSize(800, 500), QSize(400, 300)}) {
        view->resize(size);
        for (const Expected& row : designedWindow()) {
            SCOPED_TRACE(row.name + " in a window " + std::to_string(size.width()) + " wide");
            QWidget* shown = widget(row.name.c_str());
            ASSERT_NE(shown, nullptr);
            QRect place = shown->geometry();
            EXPECT_EQ(place.topLeft(), QPoint(row.left, row.top));
            if (row.sizesItself) {
                // The installed faces' widths differ from the Windows ones by a pixel or two.
                EXPECT_NEAR(place.width(), row.width, 3);
                EXPECT_NEAR(place.height(), row.height, 2);
            } else {
                EXPECT_EQ(place.size(), QSize(row.name == "PnlOpe" ? size.width() : row.width, row.height));
            }
            const char* caption = qobject_cast<QPlainTextEdit*>(shown) ? "plainText" : "text";
            EXPECT_EQ(shown->property(caption).toString(), QString::fromStdString(row.caption));
            EXPECT_EQ(shown->isVisible(), row.visible);
            if (row.face) {
                EXPECT_EQ(shown->font().family(), QString::fromUtf8(row.face));
                EXPECT_EQ(shown->font().pixelSize(), row.fontHeight);
                EXPECT_EQ(QFontInfo(shown->font()).family(), installed.at(row.face));
            }
        }
    }
}

// Captions, sizes, colours, pictures and memo selections of the model show at once.
TEST_F(MainWindow, ModelChangesReachTheWidgetsAtOnce) {
    ASSERT_TRUE(QImage(60, 40, QImage::Format_RGB32).save(QStringLiteral("絵01.bmp"), "BMP"));
    program.Mn1.Yaku.setCaption(sjis("私は学生です。"));
    EXPECT_EQ(widget<QLabel>("Yaku")->text(), QStringLiteral("私は学生です。"));
    EXPECT_NEAR(widget("Yaku")->width(), 7 * 13, 3);
    program.Mn1.shGauge2.setWidth(-4); // never drawn inside out
    EXPECT_EQ(widget("shGauge2")->geometry(), QRect(132, 384, 0, 17));
    program.Mn1.kakunin.setColor(colors::green);
    EXPECT_EQ(widget("kakunin")->palette().color(QPalette::Window), QColor(0, 128, 0));
    program.Mn1.GF1.setPicture(sjis("絵01.bmp"));
    program.Mn1.GF1.setVisible(true);
    EXPECT_EQ(widget("GF1")->geometry(), QRect(512, 360, 60, 40));
    // The empty third-column labels stand where the picture goes and must not paint over it.
    program.Mn1.GF1.setTop(220);
    ASSERT_TRUE(widget("Label14")->geometry().contains(538, 235));
    EXPECT_EQ(view->childAt(538, 235), widget("GF1"));

    program.Mn1.Toi.setText(sjis("日本語\r\n二行目"));
    program.Mn1.Toi.select(1, 8); // from inside the first character to inside the last: neither is split
    EXPECT_EQ(memo()->textCursor().selectedText(), QStringLiteral("本語\u2029二"));
}

TEST_F(MainWindow, ClicksAndPlainKeysReachTheHandlers) {
    // Keys are answers, never text for an input method.
    EXPECT_FALSE(memo()->testAttribute(Qt::WA_InputMethodEnabled));
    EXPECT_FALSE(view->testAttribute(Qt::WA_InputMethodEnabled));
    openDrill();
    EXPECT_EQ(memo()->textCursor().selectedText(), QStringLiteral("___"));
    EXPECT_TRUE(memo()->hasFocus());
    QTest::keyClick(memo(), Qt::Key_2);
    EXPECT_EQ(memo()->textCursor().selectedText(), QStringLiteral("先生"));
    EXPECT_EQ(verdict(), QStringLiteral("NG"));
    click("Sel3");
    EXPECT_EQ(memo()->toPlainText(), QStringLiteral("私は医者です。\n"));
    click("SpdBtn4"); // the typeface button, which takes no focus
    EXPECT_EQ(memo()->font().family(), QStringLiteral("MS Pゴシック"));
    EXPECT_TRUE(memo()->hasFocus());
    EXPECT_TRUE(platform.errors.empty());

    // The window goes while the memo has the focus: its last focus changes must not reach it.
    platform.setMainWindow(nullptr);
    view.reset();
    EXPECT_EQ(program.Mn1.focused(), &program.Mn1.Toi);
}

TEST_F(MainWindow, TabAndReturnGoToTheButtonsTheMemoOrTheDefaultButton) {
    widget("Sel1")->setFocus();
    for (const char* next : {"Sel2", "Sel3", "Sel4", "Sel1"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), widget(next)) << next;
    }
    openDrill();
    click("SpdBtn5"); // sound off, so the correct answer only pauses
    widget("Sel2")->setFocus();
    QTest::keyClick(widget("Sel2"), Qt::Key_3); // a focused button takes no answers
    EXPECT_EQ(memo()->toPlainText(), QStringLiteral("私は___です。\n"));
    QTest::keyClick(widget("Sel2"), Qt::Key_Return);
    EXPECT_EQ(memo()->toPlainText(), QStringLiteral("私は先生です。\n"));
    QTest::keyClick(memo(), Qt::Key_Return); // a key for the handler, which writes nothing for it
    EXPECT_EQ(memo()->toPlainText(), QStringLiteral("私はです。\n"));
    memo()->clearFocus();
    QTest::keyClick(view.get(), Qt::Key_Return);
    EXPECT_EQ(verdict(), QStringLiteral("OK"));
    EXPECT_EQ(platform.messages, std::vector<std::string>{sjis("おめでとう！ すべて終了しました！")});
}

TEST_F(MainWindow, ExitDuringAnotherHandlerClosesOnceThatHandlerHasReturned) {
    bool visibleInside = false;
    platform.chooseFileAnswer = [&]() -> std::optional<std::string> {
        click("SpdBtn2");
        QApplication::processEvents();
        visibleInside = view->isVisible();
        return std::nullopt;
    };
    click("SpdBtn1");
    EXPECT_TRUE(visibleInside);
    EXPECT_FALSE(view->isVisible());
}

} // namespace
