#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct Program;

// A question of the run that had a miss or was skipped, as the review at the end of the run shows it.
struct MissedQuestion {
    std::string text; // Shift-JIS, the right answers written into its blanks, lines ended by CR LF
    std::vector<std::vector<std::string>> wrongChoices; // per blank, in the order they were chosen
    std::string translation;
    bool skipped = false;
};

// What the learner missed in the run in progress, and the questions the retry button practises.
struct RunReview {
    std::string drillFile;                         // the name the drill was opened with
    std::map<std::int32_t, MissedQuestion> missed; // by question number; after a run, what the retry practises
    std::int32_t practised = 0;                    // questions of a retry run; 0 for a run of the whole drill
};

// A drill has been opened: whatever the last drill left is forgotten.
void StartReview(Program& program, const std::string& drillFile);
// The current question had a miss on its current blank; the memo's selection is the wrong choice.
void NoteMiss(Program& program);
// The current question is skipped.
void NoteSkip(Program& program);
// At the end of a run: the review into the memo and the retry button set for what was missed.
void ShowReview(Program& program);
// The question count a run's record gives.
std::int32_t PractisedQuestions(const Program& program);

// The review's text: per question its number, text, wrong choices per blank and translation line.
std::string ReviewText(const std::map<std::int32_t, MissedQuestion>& missed);

// The retry button: a new run of the questions the last run missed or skipped, from the same drill.
void SpdBtn9Click(Program& program);
