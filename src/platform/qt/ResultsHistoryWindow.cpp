#include "platform/qt/ResultsHistoryWindow.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QMessageBox>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QValueAxis>

#include "platform/qt/QtConversions.h"
#include "results/HistoryCsv.h"
#include "results/HistoryView.h"

namespace {

QDateTime dateTimeOf(PlotTime time) {
    LocalTime at = LocalTimeOf(time);
    return QDateTime(QDate(at.year, at.month, at.day), QTime(at.hour, at.minute, at.second));
}

QLineSeries* series(const QString& name, QColor color) {
    auto* line = new QLineSeries;
    line->setName(name);
    line->setPen(QPen(color, 2));
    line->setPointsVisible(true);
    line->setMarkerSize(4);
    return line;
}

} // namespace

ResultsHistoryWindow::ResultsHistoryWindow() {
    setWindowTitle(QStringLiteral("成績の記録"));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/qm7w.png")));
    // Keys belong to the drill: showing this window must not take them away from the main window.
    setAttribute(Qt::WA_ShowWithoutActivating);
    // An open history must not keep the program alive once the main window has closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(760, 600);

    m_drills = new QComboBox;
    m_drills->setObjectName(QStringLiteral("drills"));
    m_drills->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto* chooser = new QHBoxLayout;
    chooser->addWidget(new QLabel(QStringLiteral("問題:")));
    chooser->addWidget(m_drills);
    chooser->addStretch();
    auto* save = new QPushButton(QStringLiteral("CSVに保存"));
    save->setObjectName(QStringLiteral("saveCsv"));
    chooser->addWidget(save);
    connect(save, &QPushButton::clicked, this, [this] { saveCsv(); });

    m_note = new QLabel;
    m_note->setObjectName(QStringLiteral("note"));
    m_note->setTextFormat(Qt::PlainText);
    m_note->setWordWrap(true);

    m_chart = new QChart;
    m_chart->legend()->setAlignment(Qt::AlignBottom);
    m_dates = new QDateTimeAxis;
    m_dates->setTitleText(QStringLiteral("日付"));
    m_dates->setTickCount(PlotSteps + 1);
    m_rates = new QValueAxis;
    m_rates->setTitleText(QStringLiteral("正解率 (%)"));
    m_rates->setRange(0, 100);
    m_rates->setTickCount(PlotSteps + 1);
    m_rates->setLabelFormat(QStringLiteral("%d"));
    m_speeds = new QValueAxis;
    m_speeds->setTitleText(QStringLiteral("分速 (問/分)"));
    m_speeds->setTickCount(PlotSteps + 1);
    m_speeds->setLabelFormat(QStringLiteral("%.1f"));
    m_chart->addAxis(m_dates, Qt::AlignBottom);
    m_chart->addAxis(m_rates, Qt::AlignLeft);
    m_chart->addAxis(m_speeds, Qt::AlignRight);
    auto* chartView = new QChartView(m_chart);
    chartView->setObjectName(QStringLiteral("chart"));
    chartView->setRenderHint(QPainter::Antialiasing);
    chartView->setMinimumHeight(200);

    m_table = new QTableWidget;
    m_table->setObjectName(QStringLiteral("runs"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);

    auto* split = new QSplitter(Qt::Vertical);
    split->addWidget(chartView);
    split->addWidget(m_table);
    split->setSizes({360, 200});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(chooser);
    layout->addWidget(m_note);
    layout->addWidget(split, 1);

    connect(m_drills, &QComboBox::currentIndexChanged, this, [this] { showChosenRuns(); });
}

void ResultsHistoryWindow::setHistory(const ResultsHistory& history) {
    m_history = history;
    fillDrills();
}

void ResultsHistoryWindow::fillDrills() {
    int index = m_drills->currentIndex();
    std::optional<std::string> chosen = index >= 0 ? m_choices[static_cast<std::size_t>(index)].baseLine : std::nullopt;
    m_choices = HistoryChoices(m_history);
    const QSignalBlocker quiet(m_drills);
    m_drills->clear();
    for (const HistoryChoice& choice : m_choices)
        m_drills->addItem(QString::fromStdString(choice.label));
    // The same drill as before, or else the one worked last.
    m_drills->setCurrentIndex(index >= 0 ? static_cast<int>(HistoryChoiceIndex(m_choices, chosen)) : 0);
    showChosenRuns();
}

void ResultsHistoryWindow::showChosenRuns() {
    std::optional<std::string> baseLine = m_choices[static_cast<std::size_t>(m_drills->currentIndex())].baseLine;
    m_rows = HistoryRowsOf(m_history, baseLine);
    m_withDrill = !baseLine;
    QString note = QString::fromStdString(HistoryNote(m_history, m_rows.size(), RunsLeftOut(m_history, baseLine)));
    m_note->setText(note);
    m_note->setVisible(!note.isEmpty());
    showChart(m_rows);
    showTable(m_rows, m_withDrill);
}

void ResultsHistoryWindow::saveCsv() {
    QString name = QFileDialog::getSaveFileName(this, QStringLiteral("CSVに保存"), QStringLiteral("成績の記録.csv"),
                                                QStringLiteral("CSV (*.csv)"));
    if (name.isEmpty())
        return;
    QFile file(name);
    QByteArray csv = QByteArray::fromStdString(HistoryCsv(m_rows, m_withDrill));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(csv) != csv.size() || !file.flush())
        QMessageBox::warning(this, QStringLiteral("成績の記録"),
                             QStringLiteral("%1 に保存できません: %2").arg(name, file.errorString()));
}

void ResultsHistoryWindow::showChart(const std::vector<HistoryRow>& rows) {
    m_chart->removeAllSeries();
    QDateTime now = QDateTime::currentDateTime();
    HistoryPlot plot = PlotOf(rows, LocalTime{now.date().year(), now.date().month(), now.date().day(),
                                              now.time().hour(), now.time().minute(), now.time().second()});
    QLineSeries* rates = series(QStringLiteral("正解率"), QColor(200, 40, 40));
    QLineSeries* speeds = series(QStringLiteral("分速"), QColor(30, 80, 200));
    for (auto [line, points] : {std::pair(rates, &plot.rates), std::pair(speeds, &plot.speeds)})
        for (const PlotPoint& point : *points)
            line->append(static_cast<qreal>(dateTimeOf(point.time).toMSecsSinceEpoch()), point.value);
    for (QLineSeries* line : {rates, speeds})
        m_chart->addSeries(line);
    rates->attachAxis(m_dates);
    rates->attachAxis(m_rates);
    speeds->attachAxis(m_dates);
    speeds->attachAxis(m_speeds);

    m_speeds->setRange(0, plot.speedTop);
    m_dates->setRange(dateTimeOf(plot.from), dateTimeOf(plot.to));
    QString format = plot.withHours ? QStringLiteral("MM/dd hh:mm") : QStringLiteral("MM/dd");
    m_dates->setFormat(plot.withYear ? QStringLiteral("yyyy/") + format : format);
}

void ResultsHistoryWindow::showTable(const std::vector<HistoryRow>& rows, bool withDrill) {
    QStringList headers;
    for (const std::string& name : HistoryColumns(withDrill))
        headers << QString::fromStdString(name);
    m_table->clear();
    m_table->setColumnCount(static_cast<int>(headers.size()));
    m_table->setHorizontalHeaderLabels(headers);
    m_table->setRowCount(static_cast<int>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const HistoryRow& row = rows[r];
        const std::string* cells[] = {&row.date,    &row.start,  &row.end,  &row.workTime, &row.questions,
                                      &row.correct, &row.misses, &row.rate, &row.speed,    &row.drill};
        for (int c = 0; c < m_table->columnCount(); ++c) {
            auto* item = new QTableWidgetItem(qtText(*cells[c]));
            // Figures line up on the right, the date and the times read as text.
            if (c >= 3 && c <= 8)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_table->setItem(static_cast<int>(r), c, item);
        }
    }
    m_table->resizeColumnsToContents();
    for (int c = 0; c < m_table->columnCount(); ++c)
        m_table->setColumnWidth(c, m_table->columnWidth(c) + 10);
    // The latest runs are the ones to see; the table knows its height only once it is laid out.
    QTimer::singleShot(0, m_table, &QTableWidget::scrollToBottom);
}
