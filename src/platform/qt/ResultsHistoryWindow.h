#pragma once
#include <QWidget>

#include "results/HistoryView.h"
#include "results/ResultsHistory.h"

class QChart;
class QComboBox;
class QDateTimeAxis;
class QLabel;
class QTableWidget;
class QValueAxis;

// The results history: a drill chooser, a chart of the chosen runs over time (rate and speed) and a
// table of them. Not modal; the program keeps one and refills it.
class ResultsHistoryWindow : public QWidget {
public:
    ResultsHistoryWindow();

    // Shows these runs; the chosen drill stays chosen while the log still holds it.
    void setHistory(const ResultsHistory& history);

private:
    void fillDrills();
    void showChosenRuns();
    void showChart(const std::vector<HistoryRow>& rows);
    void showTable(const std::vector<HistoryRow>& rows, bool withDrill);
    // Writes the rows shown to a CSV file the learner chooses.
    void saveCsv();

    ResultsHistory m_history;
    std::vector<HistoryChoice> m_choices; // the chooser's entries
    std::vector<HistoryRow> m_rows;       // the rows shown
    bool m_withDrill = true;
    QComboBox* m_drills;
    QLabel* m_note;
    QChart* m_chart;
    QDateTimeAxis* m_dates;
    QValueAxis* m_rates;
    QValueAxis* m_speeds;
    QTableWidget* m_table;
};
