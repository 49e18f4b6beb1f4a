#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateTimeAxis>
#include <QFontInfo>
#include <QLabel>
#include <QLineSeries>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

#include "TempFolder.h"
#include "model/Program.h"
#include "platform/qt/MainWindowView.h"
#include "platform/qt/QtPlatform.h"
#include "text/Cp932.h"

namespace {

// The real platform, except that boxes are recorded instead of waiting for a click, and the open
// dialog answers what the test says.
class TestPlatform : public QtPlatform {
public:
    void messageBox(const std::string& text) override { messages.push_back(text); }
    void errorBox(const std::string& text) override { errors.push_back(text); }
    void internalErrorBox(const std::string& text, const std::string&) override { errors.push_back(text); }
    std::optional<std::string> chooseFile(const std::string&, const std::string&) override {
        return chooseFileAnswer ? chooseFileAnswer() : std::nullopt;
    }
    std::vector<std::string> messages, errors;
    std::function<std::optional<std::string>()> chooseFileAnswer;
};

class MainWindow : public testing::Test {
protected:
    MainWindow() {
        program.Run.ProgramDir = folder.path.string() + "/"; // the results log stays in the test's folder
        // One question with one blank; the choices keep the file's order, so "1" is right.
        drill("テスト\r\ntest\r\n/R\r\n私は___です。\r\n#学生#先生#医者\r\n1\r\n");
        platform.setMainWindow(view.get());
        view->show();
        QApplication::setActiveWindow(view.get());
    }

    void drill(const std::string& text) {
        folder.write("drill.m7", sjis(text));
        platform.chooseFileAnswer = [] { return std::string("drill.m7"); };
    }
    QWidget* widget(const std::string& name) { return view->findChild<QWidget*>(QString::fromStdString(name)); }
    QPlainTextEdit* memo() { return static_cast<QPlainTextEdit*>(widget("Toi")); }
    QString text(const std::string& name) { return widget(name)->property("text").toString(); }
    QString selected() { return memo()->textCursor().selectedText(); }
    void click(const std::string& name) { QTest::mouseClick(widget(name), Qt::LeftButton); }
    template <typename W> W* historyPart(const char* name) { return platform.resultsHistory()->findChild<W*>(name); }
    // Every shown button, and every label with a caption unless told, is drawn whole: the window shows the
    // widget's own pixels in its place, so nothing lies over it.
    void expectDrawnWhole(bool labels = true) {
        QImage window = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
        for (const Control* control : program.Mn1.controls()) {
            bool text = labels && control->kind() == ControlKind::Label && !control->caption().empty();
            if (control->visible() && (text || control->kind() == ControlKind::Button)) {
                QWidget* shown = widget(control->name());
                EXPECT_EQ(window.copy(shown->geometry()), shown->grab().toImage().convertToFormat(QImage::Format_RGB32))
                    << control->name();
            }
        }
    }

    TempFolder folder;
    TestPlatform platform;
    Program program{platform};
    std::unique_ptr<MainWindowView> view = std::make_unique<MainWindowView>(program);
};

// The widgets take the model's places and sizes and follow its changes at once; the installed faces
// measure within a pixel or two of the Windows ones.
TEST_F(MainWindow, WidgetsFollowTheModelAtOnce) {
    for (const Face& face : faces::All)
        EXPECT_EQ(QFontInfo(QFont(QString::fromUtf8(face.name))).family(), face.installed) << face.name;
    for (const Control* c : program.Mn1.controls())
        if (c->kind() == ControlKind::Label && c->autoSize()) {
            EXPECT_EQ(widget(c->name())->pos(), QPoint(c->left(), c->top())) << c->name();
            EXPECT_NEAR(widget(c->name())->width(), c->caption().empty() ? 0 : c->width(), 3) << c->name();
        }
    program.Mn1.shGauge2.setWidth(-4); // never drawn inside out
    EXPECT_EQ(widget("shGauge2")->geometry(), QRect(132, 384, 0, 17));
    ASSERT_TRUE(QImage(60, 40, QImage::Format_RGB32).save(QStringLiteral("絵01.bmp"), "BMP"));
    program.Mn1.GF1.setPicture(sjis("絵01.bmp"));
    program.Mn1.GF1.setVisible(true);
    program.Mn1.GF1.setTop(220);
    EXPECT_EQ(widget("GF1")->geometry(), QRect(512, 220, 60, 40));
    // The picture stays above the labels of the third column.
    program.Mn1.Label(14).setCaption(sjis("選択肢"));
    ASSERT_TRUE(widget("Label14")->geometry().contains(538, 235));
    EXPECT_EQ(view->childAt(538, 235), widget("GF1"));
}

// Every tool button, choice button and Enter reaches its own handler, each seen by what it does. From
// seventeen choices, past seven whose long one runs past the place of the third column, to the end, every
// key and every text stays whole, and a long text that runs under a column leaves its keys on top.
TEST_F(MainWindow, EveryButtonReachesItsHandlerAndNoTextOrKeyIsCovered) {
    std::string choices;
    for (int n = 1; n <= 17; ++n)
        choices += "#c" + std::to_string(n);
    drill("テスト\r\nq\r\n/R\r\nQ1 ___ ___\r\n" + choices +
          "\r\nH 1\r\nQ2 ___\r\n#a#b#c#d#e#f#the most interesting\r\n1\r\n");
    folder.write("qjp.txt", sjis("テスト\r\n訳一\r\n訳二\r\n"));
    folder.write("q01.wav", "RIFF damaged");
    click("SpdBtn1");
    ASSERT_EQ(memo()->toPlainText(), QStringLiteral("Q1 ___ ___\n"));
    expectDrawnWhole();
    for (int n = 1; n <= 16; ++n) {
        click("Sel" + std::to_string(n));
        EXPECT_EQ(selected(), QStringLiteral("c%1").arg(n));
    }
    click("Sel17");
    EXPECT_EQ(memo()->toPlainText(), QStringLiteral("Q1 c17 ___\n"));
    program.Mn1.Label(1).setCaption("one hundred and seventeen thousand");
    ASSERT_GT(widget("Label1")->geometry().right(), widget("Sel13")->geometry().right());
    expectDrawnWhole(false);
    click("SpdBtn5");
    EXPECT_EQ(program.Run.SoundOn, 0);
    click("SpdBtn4");
    EXPECT_EQ(memo()->font().family(), QStringLiteral("MS Pゴシック"));
    click("SpdBtn7");
    EXPECT_EQ(text("Yaku"), QStringLiteral("訳一"));
    click("SpdBtn6"); // the damaged sound cannot be opened
    EXPECT_EQ(platform.errors.size(), 1u);
    click("SpdBtn3");
    ASSERT_EQ(memo()->toPlainText(), QStringLiteral("Q2 ___\n"));
    expectDrawnWhole();
    for (const char* answer : {"Sel1", "Sel17", "Sel1"})
        click(answer);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(text("Label1").startsWith(QStringLiteral("　　正解率:")));
    expectDrawnWhole();
    program.Mn1.BtnNext.setVisible(true);
    click("BtnNext");
    EXPECT_EQ(program.Run.NextPressed, 1);
    click("SpdBtn0");
    EXPECT_TRUE(platform.helpViewer() && platform.helpViewer()->isVisible());
    platform.chooseFileAnswer = [&]() -> std::optional<std::string> {
        click("SpdBtn2"); // an exit during another handler closes once that one has returned
        QApplication::processEvents();
        EXPECT_TRUE(view->isVisible());
        return std::nullopt;
    };
    click("SpdBtn1");
    EXPECT_FALSE(view->isVisible());
}

TEST_F(MainWindow, KeysGoWhereTheFocusLetsThemAlsoWithShift) {
    EXPECT_FALSE(memo()->testAttribute(Qt::WA_InputMethodEnabled) || view->testAttribute(Qt::WA_InputMethodEnabled));
    widget("Sel4")->setFocus();
    QTest::keyClick(widget("Sel4"), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), widget("Sel1"));
    click("SpdBtn1");
    click("SpdBtn5"); // sound off, so the correct answer only pauses
    EXPECT_TRUE(memo()->hasFocus());
    // Shift+2 types '"' on a jp106 keyboard; the key's place (X key code 11) still makes it "2".
    QKeyEvent shift2(QEvent::KeyPress, Qt::Key_QuoteDbl, Qt::ShiftModifier, 11, '"', 0, QStringLiteral("\""));
    QApplication::sendEvent(memo(), &shift2);
    EXPECT_EQ(selected(), QStringLiteral("先生"));
    EXPECT_EQ(text("kakunin"), QStringLiteral("NG"));
    widget("Sel3")->setFocus();
    QTest::keyClick(widget("Sel3"), Qt::Key_2); // a focused button takes no answers
    EXPECT_EQ(selected(), QStringLiteral("先生"));
    QTest::keyClick(widget("Sel3"), Qt::Key_Return);
    EXPECT_EQ(selected(), QStringLiteral("医者"));
    QTest::keyClick(memo(), Qt::Key_Return); // a key for the handler, which writes nothing for it
    EXPECT_EQ(memo()->toPlainText(), QStringLiteral("私はです。\n"));
    memo()->clearFocus();
    QTest::keyClick(view.get(), Qt::Key_Return);
    EXPECT_EQ(text("kakunin"), QStringLiteral("OK"));
    EXPECT_EQ(platform.messages, std::vector<std::string>{sjis("おめでとう！ すべて終了しました！")});
    // The window goes while the memo has the focus: its last focus changes must not reach it.
    memo()->setFocus();
    platform.setMainWindow(nullptr);
    view.reset();
    EXPECT_EQ(program.Mn1.focused(), &program.Mn1.Toi);
}

// An unreadable log is said so; a run finished while the window is open joins the log's runs, shown per
// drill with the figures of each record, lines that name no drill after the drills; the date axis gives
// the year when the runs cross one; the button brings the same window back, still on its drill.
TEST_F(MainWindow, HistoryShowsTheChosenDrillsRunsAndFollowsFinishedOnes) {
    platform.showResultsHistory(ResultsHistory{{}, {}, 0, sjis("ﾌｧｲﾙ QM7Kekka.DAT は開けません")});
    ResultsHistoryWindow* shown = platform.resultsHistory();
    auto* note = historyPart<QLabel>("note");
    EXPECT_TRUE(note->isVisible());
    EXPECT_EQ(note->text(), QStringLiteral("成績の記録を読めません: ﾌｧｲﾙ QM7Kekka.DAT は開けません"));
    folder.write("QM7Kekka.DAT",
                 "261206 005058-010203,600020023003020abc\r\n" + sjis("261206 090000-090130,090010009001010九九\r\n") +
                     "261207 011000-011205,125020010000020abc\r\n251231 235000-235500,300010010000010\r\n");
    click("SpdBtn1");
    click("SpdBtn5"); // sound off: only a pause
    click("Sel1");
    EXPECT_EQ(platform.messages.size(), 1u) << "the congratulation";
    EXPECT_FALSE(note->isVisible());
    auto* drills = historyPart<QComboBox>("drills");
    QStringList items;
    for (int i = 0; i < drills->count(); ++i)
        items << drills->itemText(i);
    EXPECT_EQ(items,
              QStringList({"test（1回）", "abc（2回）", "九九（1回）", "（読めない記録）（1件）", "すべて（5回）"}));
    drills->setCurrentIndex(1);
    auto* table = historyPart<QTableWidget>("runs");
    ASSERT_EQ(table->rowCount(), 2);
    QStringList cells;
    for (int c = 0; c < table->columnCount(); ++c)
        cells << table->item(1, c)->text();
    EXPECT_EQ(cells, QStringList({"2026/12/07", "01:10:00", "01:12:05", "2:05", "20", "10", "0", "100.00", "4.80"}));
    QChart* chart = historyPart<QChartView>("chart")->chart();
    auto* dates = static_cast<QDateTimeAxis*>(chart->axes(Qt::Horizontal).front());
    EXPECT_EQ(dates->format(), QStringLiteral("MM/dd hh:mm"));
    ASSERT_EQ(chart->series().size(), 2);
    auto* rates = static_cast<QLineSeries*>(chart->series()[0]);
    ASSERT_EQ(rates->count(), 2);
    EXPECT_NEAR(rates->at(0).y(), 88.46, 0.01);
    EXPECT_NEAR(static_cast<QLineSeries*>(chart->series()[1])->at(1).y(), 4.8, 1e-9);
    EXPECT_LT(rates->at(0).x(), rates->at(1).x()); // in time order on the date axis
    drills->setCurrentIndex(2);
    EXPECT_EQ(table->rowCount(), 1);
    drills->setCurrentIndex(4);
    ASSERT_EQ(table->rowCount(), 5);
    EXPECT_EQ(dates->format(), QStringLiteral("yyyy/MM/dd"));
    EXPECT_EQ(table->item(1, table->columnCount() - 1)->text(),
              QStringLiteral("九九")); // every drill: which one each run was
    shown->hide();
    click("SpdBtn8");
    EXPECT_TRUE(platform.resultsHistory() == shown && shown->isVisible() && drills->currentIndex() == 4);
    EXPECT_TRUE(platform.errors.empty());
}

// A log kept elsewhere through a link stays a link, its file taking every run. (A run whose record cannot be
// written still ends on the screen: the package test's read-only data folder.)
TEST_F(MainWindow, ALinkedLogStaysLinkedAndAnUnrecordedRunStillEnds) {
    namespace fs = std::filesystem;
    fs::create_directory("synced");
    fs::create_symlink("synced/kekka.DAT", "QM7Kekka.DAT");
    auto run = [&] {
        click("SpdBtn1");
        click("Sel1");
    };
    run();
    run();
    std::string log = platform.readFile("synced/kekka.DAT", 1000);
    EXPECT_TRUE(fs::is_symlink("QM7Kekka.DAT") && std::count(log.begin(), log.end(), '\n') == 2) << log;
    EXPECT_EQ(platform.messages.size(), 2u) << "every run congratulated";
}

} // namespace
