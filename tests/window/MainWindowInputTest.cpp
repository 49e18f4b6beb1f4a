#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include "QStringPrinter.h"
#include "TempFolder.h"
#include "TestPlatform.h"
#include "app/Program.h"
#include "platform/Cp932.h"
#include "platform/qt/MainWindowView.h"

namespace {

// One question with one blank; the choices keep the file's order, so "1" is right.
const char* const Drill = "テスト\r\n"
                          "test\r\n"
                          "/R\r\n"
                          "私は___です。\r\n"
                          "#学生#先生#医者\r\n"
                          "1\r\n";

class MainWindowInput : public testing::Test {
protected:
    MainWindowInput() {
        folder.write("drill.m7", sjis(Drill));
        platform.chooseFileAnswer = [this] { return (folder.path() / "drill.m7").string(); };
        platform.setMainWindow(&view);
        view.show();
        QApplication::setActiveWindow(&view);
    }

    template <typename W = QWidget> W* widget(const char* name) { return view.findChild<W*>(name); }
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
    MainWindowView view{program};
};

TEST_F(MainWindowInput, OpenShowsTheQuestionWithItsBlankSelectedAndFocused) {
    openDrill();
    EXPECT_EQ(memo()->textCursor().selectedText(), QStringLiteral("___"));
    EXPECT_TRUE(memo()->hasFocus());
    EXPECT_EQ(widget<QLabel>("Label2")->text(), QStringLiteral("先生"));
    EXPECT_TRUE(platform.errors.empty());
}

TEST_F(MainWindowInput, KeyInTheMemoAnswersAndTheWidgetFollows) {
    openDrill();
    QTest::keyClick(memo(), Qt::Key_2);
    EXPECT_EQ(memo()->toPlainText(), QStringLiteral("私は先生です。\n"));
    EXPECT_EQ(memo()->textCursor().selectedText(), QStringLiteral("先生"));
    EXPECT_EQ(verdict(), QStringLiteral("NG"));
    EXPECT_EQ(program.Run.MissCount, 1);
}

TEST_F(MainWindowInput, EnterInTheMemoIsAKeyForTheMemoNotTheDefaultButton) {
    openDrill();
    QTest::keyClick(memo(), Qt::Key_Return);
    // The default button would have written its choice; the key handler writes nothing for Enter.
    EXPECT_EQ(memo()->toPlainText(), QStringLiteral("私はです。\n"));
    EXPECT_EQ(verdict(), QStringLiteral("NG"));
}

TEST_F(MainWindowInput, KeypadDigitsAnswerLikeDigits) {
    openDrill();
    QTest::keyClick(memo(), Qt::Key_3, Qt::KeypadModifier);
    EXPECT_EQ(memo()->toPlainText(), QStringLiteral("私は医者です。\n"));
}

TEST_F(MainWindowInput, KeysReachingAFocusedChoiceButtonAreNoAnswers) {
    openDrill();
    widget("Sel2")->setFocus();
    QTest::keyClick(widget("Sel2"), Qt::Key_3);
    EXPECT_EQ(memo()->toPlainText(), QStringLiteral("私は___です。\n"));
}

TEST_F(MainWindowInput, ClickOnAChoiceAnswersAndGivesTheFocusBackToTheMemo) {
    openDrill();
    click("Sel3");
    EXPECT_EQ(memo()->toPlainText(), QStringLiteral("私は医者です。\n"));
    EXPECT_EQ(verdict(), QStringLiteral("NG"));
    EXPECT_TRUE(memo()->hasFocus());
    EXPECT_EQ(program.Mn1.focused(), &program.Mn1.Toi);
}

TEST_F(MainWindowInput, EnterInTheWindowPressesTheDefaultButton) {
    openDrill();
    click("SpdBtn5"); // sound off, so the correct answer only pauses
    memo()->clearFocus();
    ASSERT_EQ(view.focusWidget(), nullptr);
    QTest::keyClick(&view, Qt::Key_Return);
    // Choice 1 is right and the drill's only question: the run ends with the congratulation.
    EXPECT_EQ(verdict(), QStringLiteral("OK"));
    EXPECT_EQ(platform.messages, std::vector<std::string>{sjis("おめでとう！ すべて終了しました！")});
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "QM7Kekka.DAT"));
}

TEST_F(MainWindowInput, ReturnOnTheFocusedEnterButtonPressesIt) {
    program.Mn1.BtnNext.setVisible(true);
    program.Mn1.setFocus(program.Mn1.BtnNext);
    ASSERT_TRUE(widget("BtnNext")->hasFocus());
    QTest::keyClick(widget("BtnNext"), Qt::Key_Return);
    EXPECT_EQ(program.Run.NextPressed, 1);
}

TEST_F(MainWindowInput, TabWalksTheVisibleButtonsInTheirOrder) {
    widget("Sel1")->setFocus();
    for (const char* next : {"Sel2", "Sel3", "Sel4", "Sel1"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), widget(next)) << next;
    }
    EXPECT_EQ(program.Mn1.focused(), &program.Mn1.Sel(1));
}

TEST_F(MainWindowInput, ToolButtonsReachTheirHandlers) {
    click("SpdBtn5");
    EXPECT_EQ(program.Run.SoundOn, 1);
    click("SpdBtn4");
    EXPECT_EQ(memo()->font().family(), QStringLiteral("MS Pゴシック"));
    click("SpdBtn4");
    EXPECT_EQ(memo()->font().family(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(memo()->font().pixelSize(), 20);
}

TEST_F(MainWindowInput, InputMethodsNeverTakeTheKeys) {
    EXPECT_FALSE(memo()->testAttribute(Qt::WA_InputMethodEnabled));
    EXPECT_FALSE(view.testAttribute(Qt::WA_InputMethodEnabled));
}

TEST_F(MainWindowInput, ExitClosesTheWindowOnceTheHandlerHasReturned) {
    click("SpdBtn2");
    EXPECT_TRUE(view.isVisible());
    QApplication::processEvents();
    EXPECT_FALSE(view.isVisible());
}

TEST_F(MainWindowInput, ExitDuringAnotherHandlerWaitsForIt) {
    bool visibleInside = false;
    platform.chooseFileAnswer = [&]() -> std::optional<std::string> {
        click("SpdBtn2");
        QApplication::processEvents();
        visibleInside = view.isVisible();
        return std::nullopt;
    };
    click("SpdBtn1");
    EXPECT_TRUE(visibleInside);
    EXPECT_FALSE(view.isVisible());
}

} // namespace

namespace {

// The window goes while a child has the focus: its last focus changes must not reach it.
TEST(MainWindowLifetime, ClosingWithAFocusedChildIsHarmless) {
    TestPlatform platform;
    Program program{platform};
    auto view = std::make_unique<MainWindowView>(program);
    view->show();
    QApplication::setActiveWindow(view.get());
    view->findChild<QWidget*>("Toi")->setFocus();
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    view.reset();
    EXPECT_EQ(program.Mn1.focused(), &program.Mn1.Toi);
}

} // namespace
