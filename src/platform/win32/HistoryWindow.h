#pragma once
#include <vector>
#include <windows.h>

#include "results/HistoryView.h"
#include "results/ResultsHistory.h"

class Win32Files;

// The results history: a drill chooser, a chart of the chosen runs over time (rate and speed) and a
// table of them. Not modal; the program keeps one, made when first shown, and refills it.
class HistoryWindow {
public:
    explicit HistoryWindow(Win32Files& files) : m_files(files) {}
    ~HistoryWindow();
    HistoryWindow(const HistoryWindow&) = delete;
    HistoryWindow& operator=(const HistoryWindow&) = delete;

    // Shows these runs and brings the window to the front, leaving the keys with the main window; the
    // chosen drill stays chosen while the log still holds it.
    void show(const ResultsHistory& history);
    // Puts these runs into the window when it is shown.
    void refresh(const ResultsHistory& history);

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK chartProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void create();
    HWND child(const wchar_t* className, const wchar_t* text, DWORD style, DWORD extendedStyle = 0);
    void layOut();
    void setHistory(const ResultsHistory& history);
    void showChosenRuns();
    void showTable();
    void paintChart(HWND chart);
    // Writes the rows shown to a CSV file the learner chooses.
    void saveCsv();

    Win32Files& m_files;
    HWND m_window = nullptr;
    HWND m_label = nullptr;
    HWND m_drills = nullptr;
    HWND m_save = nullptr;
    HWND m_note = nullptr;
    HWND m_chart = nullptr;
    HWND m_table = nullptr;
    HFONT m_font = nullptr;
    ResultsHistory m_history;
    std::vector<HistoryChoice> m_choices; // the chooser's entries
    std::vector<HistoryRow> m_rows;       // the rows shown
    bool m_withDrill = true;
    HistoryPlot m_plot;
};
