#include "results/ResultsLog.h"

#include <cctype>

#include "app/Program.h"

std::optional<std::string> ResultsLogPath(const Program& program) {
    if (program.Run.ProgramDir.empty())
        return std::nullopt;
    return program.Run.ProgramDir + ResultsLogName;
}

std::optional<long long> ConvertRecordField(const std::string& field) {
    std::size_t i = field.find_first_not_of(' ');
    if (i == std::string::npos)
        return std::nullopt;
    bool negative = false;
    if (field[i] == '+' || field[i] == '-')
        negative = field[i++] == '-';
    int base = 10;
    if (i < field.size() && field[i] == '$') {
        base = 16;
        ++i;
    }
    if (i == field.size())
        return std::nullopt;
    long long value = 0;
    for (; i < field.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(field[i]);
        bool digit = base == 16 ? std::isxdigit(c) : std::isdigit(c);
        if (!digit)
            return std::nullopt;
        value = value * base + (std::isdigit(c) ? c - '0' : std::toupper(c) - 'A' + 10);
    }
    return negative ? -value : value;
}
