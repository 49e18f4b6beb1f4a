#include "questions/DrillCheck.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "app/Events.h"
#include "model/Program.h"
#include "platform/AppError.h"
#include "questions/ChoicesLine.h"
#include "questions/QuestionBlock.h"
#include "run/ChoiceOrder.h"
#include "run/Presentation.h"
#include "text/Cp932.h"
#include "text/DbcsPos.h"
#include "text/Limits.h"
#include "text/TextDecoding.h"

namespace {

class SilentPlayer : public SoundPlayer {
public:
    void setFileName(const std::string&) override {}
    void open() override {}
    void setWait() override {}
    void play() override {}
    void close() override {}
};

// Only the drill's files are read; the program has no folder, so it has no results log.
class CheckFiles : public Files {
public:
    CheckFiles(DrillFiles& files, std::string name) : m_files(files), m_name(std::move(name)) {}

    bool fileExists(const std::string& name) override { return m_files.fileExists(name); }
    std::string readFile(const std::string& name, std::size_t maxBytes) override {
        std::string bytes = m_files.readFile(name, maxBytes);
        if (name == m_name) {
            encoding = encodingName(detectEncoding(bytes));
            if (std::optional<TextEncoding> other = otherReading(bytes))
                encoding += " (" + std::string(encodingName(*other)) + "としても読めます)";
        }
        return bytes;
    }
    std::optional<PictureSize> pictureSize(const std::string& name) override { return m_files.pictureSize(name); }
    std::optional<std::string> soundProblem(const std::string& name) override { return m_files.soundProblem(name); }
    std::string currentFolder() override { return m_files.currentFolder(); }
    void setCurrentFolder(const std::string& folder) override { m_files.setCurrentFolder(folder); }

    void readFileInPieces(const std::string& name, const std::function<void(std::string_view)>&) override {
        throw AppError(CannotOpenText(name));
    }
    void replaceFile(const std::string& name, const std::string&) override {
        throw AppError(sjis("ﾌｧｲﾙ ") + name + sjis(" を作成できません"));
    }
    std::string executablePath() override { return {}; }
    bool folderWritable(const std::string&) override { return false; }
    void makeFolders(const std::string&) override {}
    bool lockFile(const std::string&) override { return false; }
    void unlockFile(const std::string&) override {}
    std::optional<std::string> learnerDataFolder() override { return std::nullopt; }
    std::string installedDataFolder(const std::string&) override { return {}; }

    std::string encoding; // empty until the file has been read

private:
    DrillFiles& m_files;
    std::string m_name;
};

// The rest of the machine: no time passes, the boxes are kept for the report, nothing is shown or played.
class CheckMachine : public Clock, public Dialogs, public EventLoop, public Sound {
public:
    std::uint32_t tickCount() override { return 0; }
    LocalTime localTime() override { return {}; }
    std::int32_t utcMillisecondsSinceMidnight() override { return 0; }
    void seedRandom(std::uint32_t) override {}
    std::int32_t randomBelow(std::int32_t) override { return 0; }

    void messageBox(const std::string& text) override { boxes.push_back(text); }
    void errorBox(const std::string& text) override { boxes.push_back(text); }
    void internalErrorBox(const std::string& text, const std::string&) override { boxes.push_back(text); }
    std::optional<std::string> chooseFile(const std::string&, const std::string&) override { return std::nullopt; }
    void showHelpContents(const std::string&) override {}
    void quitHelp(const std::string&) override {}
    void showResultsHistory(const ResultsHistory&) override {}
    void refreshResultsHistory(const ResultsHistory&) override {}

    void processMessagesUntil(std::uint32_t) override {}
    void closeMainWindow() override {}
    void beep(unsigned) override {}
    SoundPlayer& mediaPlayer() override { return m_player; }

    std::vector<std::string> boxes;

private:
    SilentPlayer m_player;
};

// "5, 8".
std::string lineList(const std::vector<int>& lines) {
    std::string list;
    for (int line : lines)
        list += (list.empty() ? "" : ", ") + std::to_string(line);
    return list;
}

std::string presence(bool present, const std::string& name = {}) {
    return (present ? "あり" : "なし") + (name.empty() ? "" : " (" + decodeCp932(name) + ")");
}

std::string pictureState(Files& files, const std::string& name) {
    if (!files.fileExists(name))
        return presence(false, name);
    try {
        return files.pictureSize(name) ? presence(true, name) : "読めません (" + decodeCp932(name) + ")";
    } catch (const AppError& refused) {
        return decodeCp932(refused.what());
    }
}

std::string soundState(Files& files, const std::string& name) {
    if (!files.fileExists(name))
        return presence(false, name);
    std::optional<std::string> problem = files.soundProblem(name);
    return problem ? "鳴らせません (" + decodeCp932(name) + ": " + decodeCp932(*problem) + ")" : presence(true, name);
}

std::string companions(Program& program, std::int32_t question) {
    RunState& run = program.Run;
    run.CurrentQuestion = question;
    bool translated = run.TranslationLoaded && !TranslationLine(program).empty();
    return "問" + TwoDigitNumber(question) +
           "  絵: " + pictureState(program.platform.files, run.PictureBase + TwoDigitNumber(question) + ".bmp") +
           "  音声: " + soundState(program.platform.files, QuestionSoundName(program)) +
           "  訳: " + presence(translated) + "\n";
}

// The blanks the window asks one after another, each answer written over the one before.
int countBlanks(std::string_view text) {
    int blanks = 0;
    for (std::int32_t p; (p = DbcsPos("_", text)) > 0; ++blanks) {
        text.remove_prefix(static_cast<std::size_t>(p) - 1);
        text.remove_prefix(std::min({text.find_first_not_of('_'), BlankLimit, text.size()}));
    }
    return blanks;
}

// What the window would show oddly, though the question can be asked.
std::string oddities(Program& program, std::int32_t question) {
    QuestionBlock block = ReadQuestionBlock(program.Mn1.FileLines, program.Run.Table.start(question));
    int blanks = countBlanks(block.text);
    int labels = static_cast<int>(block.answerLine.size() + 1) / 2;
    std::vector<std::string> choices = SplitChoices(block.choicesLine);
    auto shown = std::count_if(choices.begin(), choices.end(), [](const std::string& c) { return !c.empty(); });

    std::string notes;
    auto note = [&](const std::string& what) { notes += "問" + TwoDigitNumber(question) + "  注意: " + what + "\n"; };
    if (blanks == 0)
        note("問題文に空欄（_）がありません");
    else if (blanks > labels)
        note("空欄が" + std::to_string(blanks) + "個、解答の記号が" + std::to_string(labels) +
             "個です（残りの空欄は埋まりません）");
    if (shown < 2)
        note("空でない選択肢が" + std::to_string(shown) + "個しかありません");
    return notes;
}

} // namespace

DrillCheck CheckDrill(DrillFiles& files, const std::string& name, const std::string& shownName) {
    CheckFiles checking(files, name);
    CheckMachine machine;
    Program program(Platform{machine, checking, machine, machine, machine});
    // Without FormCreate the program has no folder, and so the Open reads no results log.
    RunHandler(program, "OpenQuestionFile", [&] { OpenQuestionFile(program, name, checking.currentFolder()); });

    DrillCheck check;
    check.opens = program.Phase == RunPhase::Asking;
    check.report = "== " + shownName + "\n";
    if (!checking.encoding.empty())
        check.report += "文字コード: " + checking.encoding + "\n";
    if (!program.HalfWidthAnswerLines.empty())
        check.report +=
            "注意: 解答行の全角の記号を半角として読みました (" + lineList(program.HalfWidthAnswerLines) + "行目)\n";
    if (!check.opens) {
        for (const std::string& box : machine.boxes)
            check.report += decodeCp932(box) + "\n";
        check.report += "結果: 開けません\n";
        return check;
    }
    check.report += "問題数: " + std::to_string(program.Run.QuestionTotal) + "\n";
    for (std::int32_t q = 1; q <= program.Run.QuestionTotal; ++q)
        check.report += companions(program, q) + oddities(program, q);
    check.report += "結果: 開けます\n";
    return check;
}

std::string DrillCheckSummary(std::size_t files, std::size_t opening) {
    return std::to_string(files) + " ファイル: " + std::to_string(opening) + " 開けます, " +
           std::to_string(files - opening) + " 開けません\n";
}

int DrillCheckStatus(std::size_t files, std::size_t opening) {
    return files > 0 && opening == files ? 0 : 1;
}

std::vector<std::string> DrillFilesAmong(std::vector<std::string> names) {
    // ".m7" alone is a hidden file's name, not a drill's.
    std::erase_if(names, [](const std::string& name) {
        std::string_view extension = std::string_view(name).substr(std::max<std::size_t>(name.size(), 3) - 3);
        return name.size() <= 3 || (extension != ".m7" && extension != ".M7");
    });
    std::sort(names.begin(), names.end());
    return names;
}
