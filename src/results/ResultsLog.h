#pragma once
#include <optional>
#include <string>

struct Program;

inline constexpr const char* ResultsLogName = "QM7Kekka.DAT";
inline constexpr int ResultsLogKeep = 200; // beyond this many lines the oldest is dropped

// The file name of the results log: beside the program when a log is there or the folder can take one
// (a build or a copied folder), else in the learner's data folder ($XDG_DATA_HOME/qm7w/, by default
// ~/.local/share/qm7w/), as for an installed program.
std::string ResultsLogPath(const Program& program);

// A number field of a record ("  42", "-7", "$1F"); nothing when it does not convert.
std::optional<long long> ConvertRecordField(const std::string& field);
