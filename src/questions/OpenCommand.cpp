#include "questions/OpenCommand.h"

#include "app/Events.h"
#include "model/Program.h"
#include "questions/ChoicesLine.h"
#include "questions/FormatCheck.h"
#include "questions/IndexQuestions.h"
#include "results/ResultsTotals.h"
#include "results/TimeStamp.h"
#include "run/Presentation.h"
#include "text/Cp932.h"
#include "text/TextDecoding.h"

namespace {

constexpr int FirstBodyLine = 3; // the title and the base line come first

std::string openFilter() {
    return sjis("QM7,ﾃｷｽﾄ形式|*.m7;*.txt|ﾃｷｽﾄ形式|*.txt|QM7|*.m7|すべて(*.*)|*.*");
}

// What an Open changes before it knows whether the file can be run: put back when the Open ends in
// any way but committed, so that a refused or unreadable file leaves the run in progress as it was.
class OpenRollback {
public:
    OpenRollback(Program& program, std::string folder)
        : m_program(program), m_folder(std::move(folder)), m_run(program.Run), m_fileLines(program.Mn1.FileLines),
          m_translationLines(program.Mn1.TranslationLines), m_title(program.Mn1.TT.caption()),
          m_instruction(program.Mn1.LbMondai.caption()), m_skip(program.Mn1.LbSkip.caption()),
          m_hintVisible(program.Mn1.SpdBtn7.visible()) {}
    ~OpenRollback() {
        if (m_committed)
            return;
        TMn1& window = m_program.Mn1;
        m_program.platform.files.setCurrentFolder(m_folder);
        // Moved back, so that an Open that ran out of memory needs none to be undone.
        m_program.Run = std::move(m_run);
        window.FileLines = std::move(m_fileLines);
        window.TranslationLines = std::move(m_translationLines);
        window.TT.setCaption(std::move(m_title));
        window.LbMondai.setCaption(std::move(m_instruction));
        window.LbSkip.setCaption(std::move(m_skip));
        window.SpdBtn7.setVisible(m_hintVisible);
    }
    OpenRollback(const OpenRollback&) = delete;
    OpenRollback& operator=(const OpenRollback&) = delete;

    void commit() { m_committed = true; }

private:
    Program& m_program;
    std::string m_folder; // the kept run's pictures, sounds and translation file are found from there
    RunState m_run;
    LineList m_fileLines;
    LineList m_translationLines;
    std::string m_title;
    std::string m_instruction;
    std::string m_skip;
    bool m_hintVisible;
    bool m_committed = false;
};

// Reads each answer line of the cleaned body half-width; notes the file line numbers of those that changed.
void readAnswerLinesHalfWidth(Program& program, const std::vector<int>& sourceLines) {
    LineList& lines = program.Mn1.FileLines;
    for (int i = 0; i + 1 < lines.count(); ++i) {
        if (!IsChoicesLine(lines.get(i)) || IsChoicesLine(lines.get(i + 1)))
            continue;
        std::string halfWidth = HalfWidthAnswerLine(lines.get(i + 1));
        if (halfWidth == lines.get(i + 1))
            continue;
        lines.put(i + 1, halfWidth);
        program.HalfWidthAnswerLines.push_back(sourceLines.at(static_cast<std::size_t>(i + 1)));
    }
}

// Loads, cleans and indexes the chosen file; the number of questions, or 0 when no run can start.
std::int32_t loadQuestionFile(Program& program, const std::string& name) {
    RunState& run = program.Run;
    TMn1& window = program.Mn1;
    LineList& lines = window.FileLines;

    lines.clear();
    program.HalfWidthAnswerLines.clear();
    loadDrillFile(lines, program.platform.files, name);
    if (lines.count() < 2) {
        program.platform.dialogs.messageBox(WrongFormatText() + "\n" + sjis("1行目: タイトル行と基本行がありません"));
        return 0;
    }
    window.TT.setCaption(lines.get(0));
    lines.remove(0);
    run.RunTag = TimeStamp(program.platform.clock.localTime(), true) + "#" + lines.get(0);
    lines.remove(0);
    run.KeepOrder = 0;

    std::vector<int> sourceLines(static_cast<std::size_t>(lines.count()));
    for (std::size_t i = 0; i < sourceLines.size(); ++i)
        sourceLines[i] = static_cast<int>(i) + FirstBodyLine;
    IndexOutcome index = IndexQuestions(program, sourceLines);
    if (index.closesWindow)
        return 0;
    readAnswerLinesHalfWidth(program, sourceLines);
    // The format check also reports a file too long for the question table.
    if (auto fault = FindFormatFault(lines, sourceLines)) {
        program.platform.dialogs.messageBox(WrongFormatText() + "\n" + *fault);
        return 0;
    }
    return index.questions;
}

// A question or translation file whose text Shift-JIS cannot hold is refused like a malformed one.
std::int32_t loadDecodedQuestionFile(Program& program, const std::string& name) {
    try {
        return loadQuestionFile(program, name);
    } catch (const TextRefused& refused) {
        program.platform.dialogs.messageBox(WrongFormatText() + "\n" + refused.text());
        return 0;
    }
}

void resetRun(Program& program, std::int32_t count) {
    RunState& run = program.Run;
    run.RunStartTick = program.platform.clock.tickCount();
    run.PreviousQuestion = count + 1;
    run.TimeOverrun = 0;
    program.Mn1.LbHead1B.setCaption(std::to_string(count));
    run.MasteredCount = -1;
    run.QuestionTotal = count;
    run.CurrentQuestion = 1;
    run.CorrectCount = 0;
    run.MissCount = 0;
    run.FirstAttempt = 1;
    run.SoundOn = 1;
    program.Phase = RunPhase::Asking;
}

} // namespace

void SpdBtn1Click(Program& program) {
    // Choosing a file makes its folder current; a refused file gives it back to the kept run.
    std::string folder = program.platform.files.currentFolder();
    std::optional<std::string> name = program.platform.dialogs.chooseFile(openFilter(), "m7");
    if (name)
        OpenQuestionFile(program, *name, folder);
}

void OpenQuestionFile(Program& program, const std::string& name, const std::string& previousFolder) {
    // The boxes an Open may show must not let an answer or a Skip reach the half-loaded file.
    WaitScope loading(program);
    try {
        ShowResultsTotals(program);
    } catch (...) {
        // The kept run needs its own folder back, also when the log cannot be read.
        program.platform.files.setCurrentFolder(previousFolder);
        throw;
    }
    OpenRollback rollback(program, previousFolder);
    std::int32_t count = loadDecodedQuestionFile(program, name);
    if (count == 0)
        return;
    rollback.commit();
    StartReview(program, name);
    resetRun(program, count);
    ShowQuestion(program, 1);
}
