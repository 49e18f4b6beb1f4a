#pragma once
#include <windows.h>

#include "results/HistoryView.h"

// Draws the chart of the history into `area`: the rate on the left axis (0-100 %), the speed on the
// right one, the dates below, a grid and a legend, in `font`.
void drawHistoryChart(HDC dc, const RECT& area, const HistoryPlot& plot, HFONT font);
