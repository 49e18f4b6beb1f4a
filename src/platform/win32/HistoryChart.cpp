#include "platform/win32/HistoryChart.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <vector>

#include "platform/win32/WideText.h"

namespace {

const COLORREF RateColor = RGB(200, 40, 40);
const COLORREF SpeedColor = RGB(30, 80, 200);
const COLORREF GridColor = RGB(220, 220, 220);
const COLORREF AxisColor = RGB(90, 90, 90);
const COLORREF TextColor = RGB(0, 0, 0);

// A GDI object selected into the device context for as long as it lives, then deleted.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ object) : m_dc(dc), m_object(object), m_old(SelectObject(dc, object)) {}
    ~Selected() {
        SelectObject(m_dc, m_old);
        DeleteObject(m_object);
    }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_object;
    HGDIOBJ m_old;
};

// The speed's ticks keep one decimal, written without the C library, whose locale may use a comma.
std::wstring oneDecimal(double value) {
    char text[40];
    auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 1).ptr;
    return std::wstring(text, end);
}

int textWidth(HDC dc, const std::wstring& text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

void drawText(HDC dc, const std::wstring& text, int x, int y, UINT align) {
    SetTextAlign(dc, align);
    TextOutW(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

void line(HDC dc, int x1, int y1, int x2, int y2) {
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

// An axis title read from the bottom up, centred on `middle`, its glyphs to the right of `x`.
void drawUpright(HDC dc, HFONT font, const std::wstring& text, int x, int middle) {
    LOGFONTW upright{};
    GetObjectW(font, sizeof upright, &upright);
    upright.lfEscapement = upright.lfOrientation = 900;
    Selected rotated(dc, CreateFontIndirectW(&upright));
    drawText(dc, text, x, middle + textWidth(dc, text) / 2, TA_LEFT | TA_TOP);
}

struct Scale {
    RECT plot;
    PlotTime from;
    PlotTime to;

    int x(PlotTime time) const {
        return plot.left + static_cast<int>(static_cast<double>(time - from) * (plot.right - plot.left) /
                                            static_cast<double>(std::max<PlotTime>(to - from, 1)));
    }
    int y(double value, double top) const {
        return plot.bottom - static_cast<int>(value / top * (plot.bottom - plot.top) + 0.5);
    }
};

void drawSeries(HDC dc, const Scale& scale, const std::vector<PlotPoint>& points, double top, COLORREF color) {
    std::vector<POINT> corners;
    for (const PlotPoint& point : points)
        corners.push_back(POINT{scale.x(point.time), scale.y(point.value, top)});
    Selected pen(dc, CreatePen(PS_SOLID, 2, color));
    Selected brush(dc, CreateSolidBrush(color));
    if (corners.size() > 1)
        Polyline(dc, corners.data(), static_cast<int>(corners.size()));
    for (const POINT& corner : corners)
        Ellipse(dc, corner.x - 3, corner.y - 3, corner.x + 4, corner.y + 4);
}

void drawLegend(HDC dc, const RECT& area, int baseline) {
    const std::pair<std::wstring, COLORREF> entries[] = {{L"正解率", RateColor}, {L"分速", SpeedColor}};
    const int sample = 24, gap = 6, space = 24;
    int width = 0;
    for (const auto& [name, color] : entries)
        width += sample + gap + textWidth(dc, name) + space;
    int x = (area.left + area.right - width + space) / 2;
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    int middle = baseline + metrics.tmHeight / 2;
    for (const auto& [name, color] : entries) {
        {
            Selected pen(dc, CreatePen(PS_SOLID, 2, color));
            line(dc, x, middle, x + sample, middle);
        }
        drawText(dc, name, x + sample + gap, baseline, TA_LEFT | TA_TOP);
        x += sample + gap + textWidth(dc, name) + space;
    }
}

} // namespace

void drawHistoryChart(HDC dc, const RECT& area, const HistoryPlot& plot, HFONT font) {
    HGDIOBJ oldFont = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, TextColor);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const int lineHeight = metrics.tmHeight;

    std::vector<std::wstring> rateLabels, speedLabels;
    int rateWidth = 0, speedWidth = 0;
    for (int step = 0; step <= PlotSteps; ++step) {
        rateLabels.push_back(std::to_wstring(step * 100 / PlotSteps));
        speedLabels.push_back(oneDecimal(plot.speedTop * step / PlotSteps));
        rateWidth = std::max(rateWidth, textWidth(dc, rateLabels.back()));
        speedWidth = std::max(speedWidth, textWidth(dc, speedLabels.back()));
    }
    // Beside the plot: the axis titles and tick labels; below it: the dates, their title and the legend.
    Scale scale{RECT{area.left + lineHeight + 12 + rateWidth + 6, area.top + lineHeight,
                     area.right - lineHeight - 12 - speedWidth - 6, area.bottom - 4 * lineHeight - 18},
                plot.from, plot.to};
    const RECT& inside = scale.plot;
    if (inside.right - inside.left < 20 || inside.bottom - inside.top < 20) {
        SelectObject(dc, oldFont);
        return;
    }

    {
        Selected grid(dc, CreatePen(PS_SOLID, 1, GridColor));
        for (int step = 0; step <= PlotSteps; ++step) {
            int y = scale.y(step, PlotSteps);
            line(dc, inside.left, y, inside.right, y);
            int x = inside.left + (inside.right - inside.left) * step / PlotSteps;
            line(dc, x, inside.top, x, inside.bottom);
        }
    }
    {
        Selected axes(dc, CreatePen(PS_SOLID, 1, AxisColor));
        line(dc, inside.left, inside.top, inside.left, inside.bottom);
        line(dc, inside.right, inside.top, inside.right, inside.bottom);
        line(dc, inside.left, inside.bottom, inside.right + 1, inside.bottom);
        for (int step = 0; step <= PlotSteps; ++step) {
            int y = scale.y(step, PlotSteps);
            line(dc, inside.left - 4, y, inside.left, y);
            line(dc, inside.right, y, inside.right + 5, y);
            drawText(dc, rateLabels[step], inside.left - 6, y - lineHeight / 2, TA_RIGHT | TA_TOP);
            drawText(dc, speedLabels[step], inside.right + 7, y - lineHeight / 2, TA_LEFT | TA_TOP);
            int x = inside.left + (inside.right - inside.left) * step / PlotSteps;
            line(dc, x, inside.bottom, x, inside.bottom + 5);
            PlotTime time = plot.from + (plot.to - plot.from) * step / PlotSteps;
            drawText(dc, wideFromUtf8(PlotDateText(plot, time)), x, inside.bottom + 6, TA_CENTER | TA_TOP);
        }
    }
    int middle = (inside.top + inside.bottom) / 2;
    drawUpright(dc, font, L"正解率 (%)", area.left + 4, middle);
    drawUpright(dc, font, L"分速 (問/分)", area.right - lineHeight - 4, middle);
    drawText(dc, L"日付", (inside.left + inside.right) / 2, inside.bottom + lineHeight + 10, TA_CENTER | TA_TOP);
    drawLegend(dc, area, inside.bottom + 2 * lineHeight + 16);

    drawSeries(dc, scale, plot.rates, 100, RateColor);
    drawSeries(dc, scale, plot.speeds, plot.speedTop, SpeedColor);
    SelectObject(dc, oldFont);
}
