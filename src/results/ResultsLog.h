#pragma once
#include <optional>
#include <string>

struct Program;

inline constexpr const char* ResultsLogName = "QM7Kekka.DAT";
inline constexpr int ResultsLogKeep = 200; // beyond this many lines the oldest is dropped

// The file name of the results log beside the program; nothing when the program's folder is unknown,
// so that no log lands in whatever folder is current.
std::optional<std::string> ResultsLogPath(const Program& program);

// A number field of a record ("  42", "-7", "$1F"); nothing when it does not convert.
std::optional<long long> ConvertRecordField(const std::string& field);
