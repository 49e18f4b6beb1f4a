#include "platform/win32/HistoryWindow.h"

#include <algorithm>
#include <commctrl.h>
#include <commdlg.h>

#include "platform/AppError.h"
#include "platform/win32/FileNames.h"
#include "platform/win32/HistoryChart.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32Files.h"
#include "results/HistoryCsv.h"

namespace {

constexpr const wchar_t* WindowClass = L"QM7WHistory";
constexpr const wchar_t* ChartClass = L"QM7WHistoryChart";
constexpr const wchar_t* Title = L"成績の記録";
constexpr int IconResource = 1;
constexpr int Margin = 8;
constexpr int RowHeight = 26;
constexpr int SaveWidth = 100;
enum ChildId { DrillsId = 1, SaveId };

void registerClasses(HINSTANCE instance, WNDPROC windowProc, WNDPROC chartProc) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IconResource));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = WindowClass;
    RegisterClassExW(&windowClass);
    windowClass.lpfnWndProc = chartProc;
    windowClass.hIcon = nullptr;
    windowClass.hbrBackground = nullptr; // painted whole, without flicker
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpszClassName = ChartClass;
    RegisterClassExW(&windowClass);
}

// The window object of a window made with it as the creation parameter.
template <typename T> T* ownerOf(HWND window, UINT message, LPARAM lParam) {
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    return reinterpret_cast<T*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

int lineHeight(HWND window, HFONT font) {
    HDC dc = GetDC(window);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    return metrics.tmHeight;
}

} // namespace

HistoryWindow::~HistoryWindow() {
    if (m_window != nullptr && IsWindow(m_window))
        DestroyWindow(m_window);
    if (m_font != nullptr)
        DeleteObject(m_font);
}

void HistoryWindow::show(const ResultsHistory& history) {
    if (m_window == nullptr)
        create();
    setHistory(history);
    // Keys belong to the drill: the window comes to the front without taking them, restored if minimised.
    if (IsIconic(m_window))
        ShowWindow(m_window, SW_SHOWNOACTIVATE);
    SetWindowPos(m_window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void HistoryWindow::refresh(const ResultsHistory& history) {
    if (m_window != nullptr && IsWindowVisible(m_window))
        setHistory(history);
}

void HistoryWindow::create() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    registerClasses(instance, windowProc, chartProc);
    // The face Japanese Windows gives its dialogs, at its usual 9 points.
    m_font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                         CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"MS UI Gothic");
    const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    RECT outer{0, 0, 760, 600};
    AdjustWindowRectEx(&outer, style, FALSE, 0);
    CreateWindowExW(0, WindowClass, Title, style, CW_USEDEFAULT, CW_USEDEFAULT, outer.right - outer.left,
                    outer.bottom - outer.top, nullptr, nullptr, instance, this);
    m_label = child(L"STATIC", L"問題:", SS_LEFT | SS_CENTERIMAGE);
    m_drills = child(WC_COMBOBOXW, L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP);
    SetWindowLongPtrW(m_drills, GWLP_ID, DrillsId);
    m_save = child(L"BUTTON", L"CSVに保存", BS_PUSHBUTTON | WS_TABSTOP);
    SetWindowLongPtrW(m_save, GWLP_ID, SaveId);
    m_note = child(L"STATIC", L"", SS_LEFT | SS_NOPREFIX);
    m_chart = CreateWindowExW(0, ChartClass, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, m_window, nullptr, instance, this);
    m_table = child(WC_LISTVIEWW, L"", LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL | WS_TABSTOP, WS_EX_CLIENTEDGE);
    SendMessageW(m_table, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    layOut();
}

HWND HistoryWindow::child(const wchar_t* className, const wchar_t* text, DWORD style, DWORD extendedStyle) {
    HWND made = CreateWindowExW(extendedStyle, className, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, m_window,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(made, WM_SETFONT, reinterpret_cast<WPARAM>(m_font), FALSE);
    return made;
}

void HistoryWindow::layOut() {
    RECT area{};
    GetClientRect(m_window, &area);
    int width = area.right - 2 * Margin;
    MoveWindow(m_label, Margin, Margin, 40, RowHeight, TRUE);
    // The drop-down height is that of its open list.
    MoveWindow(m_drills, Margin + 44, Margin + 2, std::max(100, width - 44 - SaveWidth - 2 * Margin), 300, TRUE);
    MoveWindow(m_save, area.right - Margin - SaveWidth, Margin, SaveWidth, RowHeight, TRUE);
    int top = Margin + RowHeight + 4;
    int noteLines = GetWindowTextLengthW(m_note) == 0 ? 0 : 1;
    std::wstring note(static_cast<std::size_t>(GetWindowTextLengthW(m_note)) + 1, L'\0');
    GetWindowTextW(m_note, note.data(), static_cast<int>(note.size()));
    noteLines += static_cast<int>(std::count(note.begin(), note.end(), L'\n'));
    int noteHeight = noteLines * lineHeight(m_note, m_font);
    ShowWindow(m_note, noteLines > 0 ? SW_SHOWNA : SW_HIDE);
    MoveWindow(m_note, Margin, top, width, noteHeight, TRUE);
    top += noteHeight + (noteLines > 0 ? 4 : 0);
    // The chart takes most of the rest, as the runs are seen best there; the table the remainder.
    int rest = std::max(0, static_cast<int>(area.bottom) - Margin - top);
    int chartHeight = rest * 9 / 14;
    MoveWindow(m_chart, Margin, top, width, chartHeight, TRUE);
    MoveWindow(m_table, Margin, top + chartHeight + 4, width, std::max(0, rest - chartHeight - 4), TRUE);
}

void HistoryWindow::setHistory(const ResultsHistory& history) {
    m_history = history;
    auto index = static_cast<int>(SendMessageW(m_drills, CB_GETCURSEL, 0, 0));
    std::optional<std::string> chosen = index >= 0 ? m_choices[static_cast<std::size_t>(index)].baseLine : std::nullopt;
    m_choices = HistoryChoices(m_history);
    SendMessageW(m_drills, CB_RESETCONTENT, 0, 0);
    for (const HistoryChoice& choice : m_choices)
        SendMessageW(m_drills, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wideFromUtf8(choice.label).c_str()));
    // The same drill as before, or else the one worked last.
    SendMessageW(m_drills, CB_SETCURSEL, index >= 0 ? HistoryChoiceIndex(m_choices, chosen) : 0, 0);
    showChosenRuns();
}

void HistoryWindow::showChosenRuns() {
    auto index = static_cast<std::size_t>(std::max<LRESULT>(0, SendMessageW(m_drills, CB_GETCURSEL, 0, 0)));
    std::optional<std::string> baseLine = m_choices[index].baseLine;
    m_rows = HistoryRowsOf(m_history, baseLine);
    m_withDrill = !baseLine;
    SetWindowTextW(m_note,
                   wideFromUtf8(HistoryNote(m_history, m_rows.size(), RunsLeftOut(m_history, baseLine))).c_str());
    layOut();
    m_plot = PlotOf(m_rows, localTimeNow());
    InvalidateRect(m_chart, nullptr, FALSE);
    showTable();
}

void HistoryWindow::showTable() {
    SendMessageW(m_table, WM_SETREDRAW, FALSE, 0);
    SendMessageW(m_table, LVM_DELETEALLITEMS, 0, 0);
    while (SendMessageW(m_table, LVM_DELETECOLUMN, 0, 0))
        continue;
    std::vector<std::wstring> headers;
    for (const std::string& name : HistoryColumns(m_withDrill))
        headers.push_back(wideFromUtf8(name));
    for (std::size_t c = 0; c < headers.size(); ++c) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_FMT;
        // Figures line up on the right, the date and the times read as text.
        column.fmt = c >= 3 && c <= 8 ? LVCFMT_RIGHT : LVCFMT_LEFT;
        column.pszText = headers[c].data();
        SendMessageW(m_table, LVM_INSERTCOLUMNW, c, reinterpret_cast<LPARAM>(&column));
    }
    for (std::size_t r = 0; r < m_rows.size(); ++r) {
        const HistoryRow& row = m_rows[r];
        const std::string* cells[] = {&row.date,    &row.start,  &row.end,  &row.workTime, &row.questions,
                                      &row.correct, &row.misses, &row.rate, &row.speed,    &row.drill};
        for (std::size_t c = 0; c < headers.size(); ++c) {
            std::wstring text = wideText(*cells[c]);
            LVITEMW item{};
            item.mask = LVIF_TEXT;
            item.iItem = static_cast<int>(r);
            item.iSubItem = static_cast<int>(c);
            item.pszText = text.data();
            SendMessageW(m_table, c == 0 ? LVM_INSERTITEMW : LVM_SETITEMTEXTW, r, reinterpret_cast<LPARAM>(&item));
        }
    }
    for (std::size_t c = 0; c < headers.size(); ++c) {
        SendMessageW(m_table, LVM_SETCOLUMNWIDTH, c, LVSCW_AUTOSIZE);
        auto cells = static_cast<int>(SendMessageW(m_table, LVM_GETCOLUMNWIDTH, c, 0));
        auto header = static_cast<int>(
            SendMessageW(m_table, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(headers[c].c_str())));
        SendMessageW(m_table, LVM_SETCOLUMNWIDTH, c, std::max(cells, header + 12) + 10);
    }
    // The latest runs are the ones to see.
    if (!m_rows.empty())
        SendMessageW(m_table, LVM_ENSUREVISIBLE, m_rows.size() - 1, FALSE);
    SendMessageW(m_table, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(m_table, nullptr, TRUE);
}

void HistoryWindow::paintChart(HWND chart) {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(chart, &paint);
    RECT area{};
    GetClientRect(chart, &area);
    // Drawn off screen first, so a refill does not flicker.
    HDC buffer = CreateCompatibleDC(dc);
    HBITMAP picture = CreateCompatibleBitmap(dc, area.right, area.bottom);
    HGDIOBJ old = SelectObject(buffer, picture);
    FillRect(buffer, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    drawHistoryChart(buffer, area, m_plot, m_font);
    BitBlt(dc, 0, 0, area.right, area.bottom, buffer, 0, 0, SRCCOPY);
    SelectObject(buffer, old);
    DeleteObject(picture);
    DeleteDC(buffer);
    EndPaint(chart, &paint);
}

void HistoryWindow::saveCsv() {
    std::wstring chosen = L"成績の記録.csv";
    chosen.resize(32768, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = m_window;
    dialog.lpstrFilter = L"CSV (*.csv)\0*.csv\0";
    dialog.lpstrFile = chosen.data();
    dialog.nMaxFile = static_cast<DWORD>(chosen.size());
    dialog.lpstrTitle = L"CSVに保存";
    dialog.lpstrDefExt = L"csv";
    // The program's current folder is the drill's: saving elsewhere leaves it.
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_OVERWRITEPROMPT | OFN_NOCHANGEDIR;
    if (!GetSaveFileNameW(&dialog))
        return;
    chosen.resize(wcslen(chosen.c_str()));
    try {
        m_files.replaceFile(coreFileName(chosen), HistoryCsv(m_rows, m_withDrill));
    } catch (const AppError& error) {
        MessageBoxW(m_window, wideText(error.what()).c_str(), Title, MB_OK | MB_ICONWARNING);
    }
}

LRESULT CALLBACK HistoryWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = ownerOf<HistoryWindow>(window, message, lParam);
    if (self == nullptr)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCCREATE)
        self->m_window = window;
    return self->handle(message, wParam, lParam);
}

LRESULT CALLBACK HistoryWindow::chartProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = ownerOf<HistoryWindow>(window, message, lParam);
    if (self != nullptr && message == WM_PAINT) {
        self->paintChart(window);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT HistoryWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) == DrillsId && HIWORD(wParam) == CBN_SELCHANGE)
            showChosenRuns();
        else if (LOWORD(wParam) == SaveId && HIWORD(wParam) == BN_CLICKED)
            saveCsv();
        return 0;
    case WM_SIZE:
        if (m_table != nullptr)
            layOut();
        return 0;
    case WM_GETMINMAXINFO:
        reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = POINT{420, 360};
        return 0;
    case WM_CLOSE:
        // Closed, it is only hidden: the next show brings it back on the same drill.
        ShowWindow(m_window, SW_HIDE);
        return 0;
    default:
        return DefWindowProcW(m_window, message, wParam, lParam);
    }
}
