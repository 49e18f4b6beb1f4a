#pragma once
#include <optional>
#include <string>
#include <windows.h>

#include "platform/Dialogs.h"
#include "platform/win32/HistoryWindow.h"

class Win32Files;

// The modal boxes and the open dialog of Windows, owned by the main window, and the help.
class Win32Dialogs : public Dialogs {
public:
    explicit Win32Dialogs(Win32Files& files) : m_files(files) {}
    void setOwner(HWND owner) { m_owner = owner; }

    void messageBox(const std::string& text) override;
    void errorBox(const std::string& text) override;
    void internalErrorBox(const std::string& text, const std::string& developerLine) override;
    std::optional<std::string> chooseFile(const std::string& filter, const std::string& defaultExtension) override;
    // Shows the help file (HTML) in the learner's browser, from a copy in the temporary folder, since a
    // browser takes a page by its extension; or says in a box that it cannot read the file.
    void showHelpContents(const std::string& helpFile) override;
    void quitHelp(const std::string& helpFile) override;
    void showResultsHistory(const ResultsHistory& history) override { m_history.show(history); }
    void refreshResultsHistory(const ResultsHistory& history) override { m_history.refresh(history); }

private:
    void show(const std::string& text, UINT icon);

    Win32Files& m_files;
    HWND m_owner = nullptr;
    HistoryWindow m_history{m_files};
};
