#pragma once
#include <array>
#include <cstdint>
#include <string>

inline constexpr int MaxQuestions = 128;

// Both rows are 1-based by question number; reading outside 1..128 throws instead of
// touching memory that is not the table's.
struct QuestionTable {
    std::array<std::int32_t, MaxQuestions> pendingRow{};
    std::array<std::int32_t, MaxQuestions> startRow{};

    std::int32_t& pending(int question) { return pendingRow.at(static_cast<std::size_t>(question - 1)); }
    std::int32_t& start(int question) { return startRow.at(static_cast<std::size_t>(question - 1)); }
    void clear() {
        pendingRow.fill(0);
        startRow.fill(0);
    }
};

// The state of the run in progress: one record for the whole life of the process.
struct RunState {
    std::string ProgramDir;
    std::string AnswerLine;
    std::string AnswerKey;
    std::string RunTag;
    std::string ListenBase;
    std::string PictureBase;
    std::int32_t QuestionTotal = 0;
    std::int32_t MasteredCount = 0;
    std::int32_t BlankStart = 0;
    std::int32_t FirstAttempt = 0;
    std::int32_t CorrectCount = 0;
    std::int32_t MissCount = 0;
    std::int32_t ChoiceCount = 0;
    std::int32_t CurrentQuestion = 0;
    std::int32_t PreviousQuestion = 0;
    std::int32_t ElapsedSeconds = 0;
    std::uint32_t RunStartTick = 0;
    std::uint32_t QuestionStartTick = 0;
    std::int32_t TimeOverrun = 0;
    std::uint8_t KeepOrder = 0;
    std::uint8_t SoundOn = 0;
    std::uint8_t TranslationLoaded = 0;
    std::uint8_t NextPressed = 0;
    QuestionTable Table;
};

// Where the run stands, so that input the run cannot take is ignored.
enum class RunPhase { NoFile, Asking, Finished };
