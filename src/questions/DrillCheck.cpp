#include "questions/DrillCheck.h"

#include <vector>

#include "app/Events.h"
#include "app/Program.h"
#include "platform/AppError.h"
#include "platform/Cp932.h"
#include "platform/TextDecoding.h"
#include "run/Presentation.h"

namespace {

// Files are read through the platform given; the open dialog answers with the file to check, boxes
// are kept for the report, and nothing is written, shown or played.
class CheckPlatform : public Platform {
public:
    CheckPlatform(Platform& files, std::string name) : m_files(files), m_name(std::move(name)) {}

    std::uint32_t tickCount() override { return 0; }
    LocalTime localTime() override { return {}; }
    std::int32_t utcMillisecondsSinceMidnight() override { return 0; }
    void seedRandom(std::uint32_t) override {}
    std::int32_t randomBelow(std::int32_t) override { return 0; }

    bool fileExists(const std::string& name) override { return m_files.fileExists(name); }
    std::string readFile(const std::string& name) override {
        std::string bytes = m_files.readFile(name);
        if (name == m_name)
            encoding = encodingName(detectEncoding(bytes));
        return bytes;
    }
    void readFileInPieces(const std::string& name, const std::function<void(std::string_view)>& take) override {
        m_files.readFileInPieces(name, take);
    }
    void replaceFile(const std::string& name, const std::string&) override {
        throw AppError(sjis("ﾌｧｲﾙ ") + name + sjis(" を作成できません"));
    }
    std::string executablePath() override { return m_files.executablePath(); }
    bool folderWritable(const std::string& folder) override { return m_files.folderWritable(folder); }
    void makeFolders(const std::string&) override {}
    std::optional<std::string> environmentFolder(const std::string& variable) override {
        return m_files.environmentFolder(variable);
    }
    std::string currentFolder() override { return m_files.currentFolder(); }
    void setCurrentFolder(const std::string& folder) override { m_files.setCurrentFolder(folder); }
    bool lockFile(const std::string&) override { return false; }
    void unlockFile(const std::string&) override {}
    std::optional<PictureSize> pictureSize(const std::string& name) override { return m_files.pictureSize(name); }

    void messageBox(const std::string& text) override { boxes.push_back(text); }
    void errorBox(const std::string& text) override { boxes.push_back(text); }
    void internalErrorBox(const std::string& text) override { boxes.push_back(text); }
    std::optional<std::string> chooseFile(const std::string&, const std::string&) override { return m_name; }
    void showHelpContents(const std::string&) override {}
    void quitHelp(const std::string&) override {}
    void showResultsHistory(const ResultsHistory&) override {}
    void refreshResultsHistory(const ResultsHistory&) override {}

    void processMessagesUntil(std::uint32_t) override {}
    void closeMainWindow() override {}
    void beep(unsigned) override {}
    SoundPlayer& mediaPlayer() override { return m_files.mediaPlayer(); }

    std::string encoding; // empty until the file has been read
    std::vector<std::string> boxes;

private:
    Platform& m_files;
    std::string m_name;
};

std::string presence(bool present, const std::string& name = {}) {
    return (present ? "あり" : "なし") + (name.empty() ? "" : " (" + decodeCp932(name) + ")");
}

std::string pictureState(Platform& platform, const std::string& name) {
    if (!platform.fileExists(name))
        return presence(false, name);
    return platform.pictureSize(name) ? presence(true, name) : "読めません (" + decodeCp932(name) + ")";
}

std::string companions(Program& program, std::int32_t question) {
    RunState& run = program.Run;
    run.CurrentQuestion = question;
    std::string sound = QuestionSoundName(program);
    bool translated = run.TranslationLoaded && !TranslationLine(program).empty();
    return "問" + TwoDigitNumber(question) +
           "  絵: " + pictureState(program.platform, run.PictureBase + TwoDigitNumber(question) + ".bmp") +
           "  音声: " + presence(program.platform.fileExists(sound), sound) + "  訳: " + presence(translated) + "\n";
}

} // namespace

DrillCheck CheckDrill(Platform& platform, const std::string& name, const std::string& shownName) {
    CheckPlatform checking(platform, name);
    Program program(checking);
    RunHandler(program, FormCreate);
    RunHandler(program, SpdBtn1Click);

    DrillCheck check;
    check.opens = program.Phase == RunPhase::Asking;
    check.report = "== " + shownName + "\n";
    if (!checking.encoding.empty())
        check.report += "文字コード: " + checking.encoding + "\n";
    if (!check.opens) {
        for (const std::string& box : checking.boxes)
            check.report += decodeCp932(box) + "\n";
        check.report += "結果: 開けません\n";
        return check;
    }
    check.report += "問題数: " + std::to_string(program.Run.QuestionTotal) + "\n";
    for (std::int32_t q = 1; q <= program.Run.QuestionTotal; ++q)
        check.report += companions(program, q);
    check.report += "結果: 開けます\n";
    return check;
}
