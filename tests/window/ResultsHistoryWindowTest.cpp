#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QLineSeries>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "QStringPrinter.h"
#include "TempFolder.h"
#include "TestPlatform.h"
#include "app/Program.h"
#include "platform/Cp932.h"
#include "platform/qt/MainWindowView.h"

namespace {

class HistoryWindow : public testing::Test {
protected:
    HistoryWindow() {
        program.Run.ProgramDir = folder.path().string() + "/"; // the log is kept in the test's folder
        platform.setMainWindow(view.get());
        view->show();
    }

    QWidget* button() { return view->findChild<QWidget*>("SpdBtn8"); }
    template <typename W> W* part(const char* name) { return platform.resultsHistory()->findChild<W*>(name); }
    QStringList row(int r) {
        QStringList cells;
        for (int c = 0; c < part<QTableWidget>("runs")->columnCount(); ++c)
            cells << part<QTableWidget>("runs")->item(r, c)->text();
        return cells;
    }
    void choose(int index) { part<QComboBox>("drills")->setCurrentIndex(index); }

    TempFolder folder;
    TestPlatform platform;
    Program program{platform};
    std::unique_ptr<MainWindowView> view = std::make_unique<MainWindowView>(program);
};

TEST_F(HistoryWindow, TheButtonOpensOneWindowThatShowsTheChosenDrillsRuns) {
    EXPECT_EQ(button()->geometry(), QRect(376, 1, 25, 23));
    EXPECT_EQ(button()->toolTip(), QStringLiteral("成績の記録"));
    EXPECT_EQ(button()->focusPolicy(), Qt::NoFocus);
    folder.write("QM7Kekka.DAT", "261206 005058-010203,600020023003020abc\r\n" +
                                     sjis("261206 090000-090130,090010009001010九九\r\n") +
                                     "261207 011000-011205,125020010000020abc\r\n");
    QTest::mouseClick(button(), Qt::LeftButton);
    ResultsHistoryWindow* shown = platform.resultsHistory();
    ASSERT_TRUE(shown && shown->isVisible());
    EXPECT_EQ(shown->windowTitle(), QStringLiteral("成績の記録"));
    auto* drills = part<QComboBox>("drills");
    QStringList items;
    for (int i = 0; i < drills->count(); ++i)
        items << drills->itemText(i);
    EXPECT_EQ(items, QStringList({"abc（2回）", "九九（1回）", "すべて（3回）"}));

    auto* table = part<QTableWidget>("runs");
    ASSERT_EQ(table->rowCount(), 2);
    EXPECT_EQ(row(1), QStringList({"2026/12/07", "01:10:00", "01:12:05", "2:05", "20", "10", "0", "100.00", "4.80"}));
    QChart* chart = part<QChartView>("chart")->chart();
    ASSERT_EQ(chart->series().size(), 2);
    auto* rates = static_cast<QLineSeries*>(chart->series()[0]);
    auto* speeds = static_cast<QLineSeries*>(chart->series()[1]);
    ASSERT_EQ(rates->count(), 2);
    EXPECT_NEAR(rates->at(0).y(), 88.46, 0.01);
    EXPECT_NEAR(speeds->at(1).y(), 4.8, 1e-9);
    EXPECT_LT(rates->at(0).x(), rates->at(1).x()); // in time order on the date axis

    choose(1);
    EXPECT_EQ(table->rowCount(), 1);
    choose(2);
    ASSERT_EQ(table->rowCount(), 3);
    EXPECT_EQ(row(1).last(), QStringLiteral("九九")); // every drill: which one each run was

    // A second click brings the same window back, still on the chosen drill.
    shown->hide();
    QTest::mouseClick(button(), Qt::LeftButton);
    EXPECT_TRUE(platform.resultsHistory() == shown && shown->isVisible() && drills->currentIndex() == 2);
    EXPECT_TRUE(platform.errors.empty() && platform.messages.empty());
}

TEST_F(HistoryWindow, SaysWhyItIsEmptyAndTakesAFinishedRunWhileOpen) {
    platform.showResultsHistory(ResultsHistory{{}, {}, sjis("ﾌｧｲﾙ QM7Kekka.DAT は開けません")});
    auto* note = part<QLabel>("note");
    EXPECT_TRUE(note->isVisible());
    EXPECT_EQ(note->text(), QStringLiteral("成績の記録を読めません: ﾌｧｲﾙ QM7Kekka.DAT は開けません"));
    EXPECT_EQ(part<QTableWidget>("runs")->rowCount(), 0);

    // One question with one blank; the choices keep the file's order, so "1" is right.
    folder.write("drill.m7", sjis("テスト\r\ntest\r\n/R\r\n私は___です。\r\n#学生#先生#医者\r\n1\r\n"));
    platform.chooseFileAnswer = [] { return std::string("drill.m7"); };
    QTest::mouseClick(view->findChild<QWidget*>("SpdBtn1"), Qt::LeftButton);
    QTest::mouseClick(view->findChild<QWidget*>("SpdBtn5"), Qt::LeftButton); // sound off: only a pause
    QTest::mouseClick(view->findChild<QWidget*>("Sel1"), Qt::LeftButton);
    EXPECT_EQ(platform.messages.size(), 1u) << "the congratulation";
    EXPECT_EQ(part<QTableWidget>("runs")->rowCount(), 1);
    EXPECT_FALSE(note->isVisible());
    EXPECT_EQ(part<QComboBox>("drills")->itemText(0), QStringLiteral("test（1回）"));
}

} // namespace
