#pragma once
#include <optional>
#include <string>

struct ResultsHistory;

// Dialogs and boxes, all modal, and the program's other windows. Every text is Shift-JIS bytes.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual void messageBox(const std::string& text) = 0;
    virtual void errorBox(const std::string& text) = 0;
    // A fault of the program itself, not of what the learner did or gave it: `text` in a box, and
    // `developerLine` (ASCII) kept where a developer looks.
    virtual void internalErrorBox(const std::string& text, const std::string& developerLine) = 0;
    // The chosen file's full name, its folder made the current folder; nothing on cancel.
    virtual std::optional<std::string> chooseFile(const std::string& filter, const std::string& defaultExtension) = 0;
    virtual void showHelpContents(const std::string& helpFile) = 0;
    virtual void quitHelp(const std::string& helpFile) = 0;
    // The results history window, not modal, one at a time: opens it with these runs, or brings the
    // open one to the front with them.
    virtual void showResultsHistory(const ResultsHistory& history) = 0;
    // Puts these runs into the history window when it is open, and leaves it where it is.
    virtual void refreshResultsHistory(const ResultsHistory& history) = 0;
};
