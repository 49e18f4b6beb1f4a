#pragma once
#include <string>
#include <vector>

#include "results/ResultsHistory.h"

// The column names of the history table (UTF-8); the drill's column only for the rows of all drills.
std::vector<std::string> HistoryColumns(bool withDrill);

// The rows as a spreadsheet opens them: UTF-8 with a byte-order mark, so that Japanese spreadsheet
// programs read it right, CR LF, a header row, one row per run.
std::string HistoryCsv(const std::vector<HistoryRow>& rows, bool withDrill);
