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
#include <algorithm>
#include <cmath>

#include "platform/qt/QtConversions.h"
#include "results/HistoryCsv.h"

namespace {

// The chooser's entry for every drill at once comes after the drills.
constexpr int AllDrills = -1;

QDateTime dateTimeOf(const LocalTime& time) {
    return QDateTime(QDate(time.year, time.month, time.day), QTime(time.hour, time.minute, time.second));
}

// The smallest of 1, 2, 2.5 and 5 times a power of ten that is at least `least`.
double niceStep(double least) {
    if (least <= 0)
        return 0.2;
    double power = std::pow(10.0, std::floor(std::log10(least)));
    for (double factor : {1.0, 2.0, 2.5, 5.0})
        if (factor * power >= least)
            return factor * power;
    return 10 * power;
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
    m_dates->setTickCount(6);
    m_rates = new QValueAxis;
    m_rates->setTitleText(QStringLiteral("正解率 (%)"));
    m_rates->setRange(0, 100);
    m_rates->setTickCount(6);
    m_rates->setLabelFormat(QStringLiteral("%d"));
    m_speeds = new QValueAxis;
    m_speeds->setTitleText(QStringLiteral("分速 (問/分)"));
    m_speeds->setTickCount(6);
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
    QVariant chosen = m_drills->currentData();
    const QSignalBlocker quiet(m_drills);
    m_drills->clear();
    // Lines that name no drill are no drill of their own: they come after the drills.
    for (bool named : {true, false})
        for (const HistoryDrill& drill : m_history.drills)
            if (drill.baseLine.empty() != named)
                m_drills->addItem(named ? QStringLiteral("%1（%2回）").arg(qtText(drill.baseLine)).arg(drill.runs)
                                        : QStringLiteral("（読めない記録）（%1件）").arg(drill.runs),
                                  QByteArray::fromStdString(drill.baseLine));
    m_drills->addItem(QStringLiteral("すべて（%1回）").arg(m_history.runs), AllDrills);
    // The same drill as before, or else the one worked last.
    int index = chosen.isValid() ? m_drills->findData(chosen) : -1;
    m_drills->setCurrentIndex(std::max(index, 0));
    showChosenRuns();
}

void ResultsHistoryWindow::showChosenRuns() {
    QVariant chosen = m_drills->currentData();
    bool all = chosen.typeId() != QMetaType::QByteArray;
    std::optional<std::string> baseLine;
    if (!all)
        baseLine = chosen.toByteArray().toStdString();
    m_rows = HistoryRowsOf(m_history, baseLine);
    m_withDrill = all;
    showNote(m_rows.size(), RunsLeftOut(m_history, baseLine));
    showChart(m_rows);
    showTable(m_rows, all);
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

void ResultsHistoryWindow::showNote(std::size_t shown, long long leftOut) {
    QStringList note;
    if (!m_history.problem.empty())
        note << QStringLiteral("成績の記録を読めません: %1").arg(qtText(m_history.problem));
    else if (m_history.runs == 0)
        note << QStringLiteral("成績の記録はまだありません。");
    if (leftOut > 0)
        note
            << QStringLiteral("新しい%1回を表示しています（それより古い%2回は表示しません）。").arg(shown).arg(leftOut);
    if (long long unlisted = UnlistedRuns(m_history))
        note << QStringLiteral("一覧にない古い問題の記録が%1回あります（「すべて」に含まれます）。").arg(unlisted);
    m_note->setText(note.join(QLatin1Char('\n')));
    m_note->setVisible(!note.isEmpty());
}

void ResultsHistoryWindow::showChart(const std::vector<HistoryRow>& rows) {
    m_chart->removeAllSeries();
    QLineSeries* rates = series(QStringLiteral("正解率"), QColor(200, 40, 40));
    QLineSeries* speeds = series(QStringLiteral("分速"), QColor(30, 80, 200));

    std::vector<const HistoryRow*> dated;
    for (const HistoryRow& row : rows)
        if (row.started)
            dated.push_back(&row);
    std::stable_sort(dated.begin(), dated.end(), [](const HistoryRow* a, const HistoryRow* b) {
        return dateTimeOf(*a->started) < dateTimeOf(*b->started);
    });
    double fastest = 0;
    for (const HistoryRow* row : dated) {
        auto when = static_cast<qreal>(dateTimeOf(*row->started).toMSecsSinceEpoch());
        if (row->rateValue)
            rates->append(when, *row->rateValue);
        if (row->speedValue) {
            speeds->append(when, *row->speedValue);
            fastest = std::max(fastest, *row->speedValue);
        }
    }
    for (QLineSeries* line : {rates, speeds})
        m_chart->addSeries(line);
    rates->attachAxis(m_dates);
    rates->attachAxis(m_rates);
    speeds->attachAxis(m_dates);
    speeds->attachAxis(m_speeds);

    // Five steps of a round size, so the speed ticks meet the grid lines of the rate.
    double step = niceStep(fastest * 1.05 / 5);
    m_speeds->setRange(0, 5 * step);
    // A margin on both sides keeps the first and last points off the axes; a single run gets a day.
    QDateTime first = dated.empty() ? QDateTime::currentDateTime() : dateTimeOf(*dated.front()->started);
    QDateTime last = dated.empty() ? first : dateTimeOf(*dated.back()->started);
    qint64 margin = std::max<qint64>(first.secsTo(last) / 20, 12 * 60 * 60);
    QDateTime from = first.addSecs(-margin), to = last.addSecs(margin);
    m_dates->setRange(from, to);
    // Within a few days the hour matters; across a year the year does, in full.
    QString format = from.secsTo(to) <= 3 * 24 * 60 * 60 ? QStringLiteral("MM/dd hh:mm") : QStringLiteral("MM/dd");
    m_dates->setFormat(from.date().year() == to.date().year() ? format : QStringLiteral("yyyy/") + format);
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
