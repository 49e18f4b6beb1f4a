#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

struct Program;

inline constexpr const char* ResultsLogName = "QM7Kekka.DAT";
inline constexpr int ResultsLogKeep = 200; // beyond this many lines the oldest is dropped

// The file name of the results log: beside a program whose own files are beside it (a build or a copied
// folder) when this user can write there; else, and always for an installed program, in the learner's
// data folder ($XDG_DATA_HOME/qm7w/, by default ~/.local/share/qm7w/). Nothing when the program's folder
// is unknown, so that no log lands in whatever folder is current.
std::optional<std::string> ResultsLogPath(const Program& program);

// A number field of a record ("  42", "-7", "$1F"); nothing when it does not convert.
std::optional<long long> ConvertRecordField(std::string_view field);

// 1-based columns of a record's fields, each three bytes wide; the base line runs to the end.
inline constexpr std::size_t RunTimeColumn = 22;
inline constexpr std::size_t QuestionsColumn = 25;
inline constexpr std::size_t CorrectColumn = 28;
inline constexpr std::size_t WrongColumn = 31;
inline constexpr std::size_t BaseLineColumn = 37;

// The number field of a record's line at a column; nothing when it does not convert, also when the
// line ends before it.
std::optional<long long> ReadRecordField(std::string_view line, std::size_t column);

// The correct-answer rate in % and the correct answers per minute of counted seconds, correct and wrong
// answers; both are 0 without time or without answers.
struct RunFigures {
    double rate = 0;
    double speed = 0;
};
RunFigures ComputeRunFigures(long long seconds, long long correct, long long wrong);
