#include "questions/IndexQuestions.h"

#include "model/Program.h"
#include "questions/ChoicesLine.h"
#include "questions/FormatCheck.h"
#include "text/Cp932.h"
#include "text/DbcsPos.h"
#include "text/TextDecoding.h"

namespace {

constexpr std::size_t DirectiveValueLimit = 255;

void loadTranslation(Program& program, const std::string& name) {
    if (!program.platform.files.fileExists(name))
        return;
    try {
        loadDrillFile(program.Mn1.TranslationLines, program.platform.files, name);
    } catch (TextRefused& refused) {
        refused.setFileName(name);
        throw;
    }
    program.Mn1.SpdBtn7.setVisible(true);
    program.Run.TranslationLoaded = 1;
}

// Applies the directive of `line` if it is one; true when the line is to be removed. Sets `refused`
// for a directive that no run can take.
bool applyDirective(Program& program, const std::string& line, bool& refused) {
    if (line.size() < 2 || line[0] != '/')
        return false;
    RunState& run = program.Run;
    TMn1& window = program.Mn1;
    std::string value = line.substr(2, DirectiveValueLimit);
    switch (line[1]) {
    case '/':
    case 'N':
        return true;
    case 'G':
        run.PictureBase = value;
        return true;
    case 'R':
        run.KeepOrder = 1;
        return true;
    case 'S':
        window.LbSkip.setCaption(line.substr(2, 1));
        return true;
    case 'T':
        window.LbMondai.setCaption(value);
        return true;
    case 'V':
        run.ListenBase = value;
        return true;
    case 'Y':
        loadTranslation(program, value);
        return true;
    case '#':
        program.platform.dialogs.messageBox(sjis("Windows版では\"##\"選択肢は使えません！"));
        refused = true;
        return false;
    default:
        return false;
    }
}

} // namespace

IndexOutcome IndexQuestions(Program& program, std::vector<int>& sourceLines) {
    RunState& run = program.Run;
    TMn1& window = program.Mn1;
    LineList& lines = window.FileLines;

    run.Table.clear();
    window.LbMondai.setCaption(sjis("適切なものを選択せよ"));
    std::string base = run.RunTag.substr(static_cast<std::size_t>(DbcsPos("#", run.RunTag)));
    run.ListenBase = base;
    run.PictureBase = base;
    window.SpdBtn7.setVisible(false);
    run.TranslationLoaded = 0;
    loadTranslation(program, base + "jp.txt");

    // Upwards, so that of several directives with one code the topmost is applied last. The lines go
    // in one sweep afterwards: removing each on its own would move all the lines below it every time.
    std::int32_t count = 0;
    bool seen = false;
    bool refused = false;
    std::vector<bool> removed(static_cast<std::size_t>(lines.count()));
    for (int i = lines.count() - 1; i >= 0; --i) {
        const std::string& line = lines.get(i);
        if (!seen && line.empty())
            removed[static_cast<std::size_t>(i)] = true;
        else if (IsChoicesLine(line)) {
            ++count;
            seen = true;
        } else
            removed[static_cast<std::size_t>(i)] = applyDirective(program, line, refused);
    }
    lines.removeMarked(removed);
    std::size_t kept = 0;
    for (std::size_t i = 0; i < sourceLines.size(); ++i)
        if (!removed[i])
            sourceLines[kept++] = sourceLines[i];
    sourceLines.resize(kept);
    // A file of more than 128 questions is refused by the caller; the table holds the first 128.
    int j = 0;
    for (int i = 0; i < lines.count(); ++i) {
        const std::string& line = lines.get(i);
        if (!IsChoicesLine(line))
            continue;
        ++j;
        if (j > MaxQuestions)
            break;
        run.Table.pending(j) = j;
        if (j < count && j < MaxQuestions)
            run.Table.start(j + 1) = i + 2;
    }
    if (j == 0) {
        program.platform.dialogs.messageBox(WrongFormatText());
        refused = true;
    }
    if (refused)
        RequestClose(program);
    return {count, refused};
}
