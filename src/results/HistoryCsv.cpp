#include "results/HistoryCsv.h"

#include "text/Cp932.h"

namespace {

// A field with a comma, a quote or a line end is quoted, its quotes doubled.
std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string csvLine(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i)
        line += (i == 0 ? "" : ",") + csvField(fields[i]);
    return line + "\r\n";
}

} // namespace

std::vector<std::string> HistoryColumns(bool withDrill) {
    std::vector<std::string> names = {"日付", "開始", "終了", "時間", "問題数", "正解", "誤答", "正解率(%)", "分速"};
    if (withDrill)
        names.push_back("問題");
    return names;
}

std::string HistoryCsv(const std::vector<HistoryRow>& rows, bool withDrill) {
    std::string csv = "\xEF\xBB\xBF" + csvLine(HistoryColumns(withDrill));
    for (const HistoryRow& row : rows) {
        std::vector<std::string> fields = {row.date,    row.start,  row.end,  row.workTime, row.questions,
                                           row.correct, row.misses, row.rate, row.speed};
        if (withDrill)
            fields.push_back(decodeCp932(row.drill));
        csv += csvLine(fields);
    }
    return csv;
}
