#include "results/ResultsLog.h"

#include <cctype>

#include "app/CompanionFile.h"
#include "model/Program.h"

std::optional<std::string> ResultsLogPath(const Program& program) {
    Files& files = program.platform.files;
    const std::string& programDir = program.Run.ProgramDir;
    if (programDir.empty())
        return std::nullopt;
    std::string beside = programDir + ResultsLogName;
    // Never a log shared by every user of an installed program, not even one that root could write;
    // and never one this user cannot replace, so that their records are not lost.
    if (!InstalledProgram(program) && files.folderWritable(programDir))
        return beside;
    // Without a data folder the log stays beside the program.
    std::optional<std::string> data = files.learnerDataFolder();
    return data ? *data + ResultsLogName : beside;
}

std::optional<long long> ConvertRecordField(std::string_view field) {
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

std::optional<long long> ReadRecordField(std::string_view line, std::size_t column) {
    std::size_t start = column - 1;
    return ConvertRecordField(start < line.size() ? line.substr(start, 3) : std::string_view());
}

RunFigures ComputeRunFigures(long long seconds, long long correct, long long wrong) {
    if (correct + wrong == 0 || seconds == 0)
        return {};
    return {static_cast<double>(correct) * 100 / static_cast<double>(correct + wrong),
            static_cast<double>(correct) * 60 / static_cast<double>(seconds)};
}
