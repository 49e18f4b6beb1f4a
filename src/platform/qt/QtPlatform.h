#pragma once
#include <QPointer>
#include <QWidget>
#include <memory>

#include "platform/Platform.h"
#include "platform/posix/PosixClock.h"
#include "platform/qt/HelpViewer.h"
#include "platform/qt/LocalDrillFiles.h"
#include "platform/qt/ResultsHistoryWindow.h"
#include "platform/sdl/SdlSoundPlayer.h"

// The machine as the program sees it on a Linux desktop: Qt for the window system, SDL2 for sound, POSIX for
// files and clocks, the drill's files as a check reads them. Its windows, boxes and waits need a
// QApplication; its files do not.
class QtPlatform : public LocalDrillFiles, public PosixClock, public Dialogs, public EventLoop, public Sound {
public:
    QtPlatform();
    ~QtPlatform() override;

    // The platform a program is made with: every part of it this one.
    operator Platform() { return Platform{*this, *this, *this, *this, *this}; }

    // The window that owns the boxes and dialogs, is repainted before a sound blocks, and is closed
    // by closeMainWindow.
    void setMainWindow(QWidget* window) { m_mainWindow = window; }

    void messageBox(const std::string& text) override;
    void errorBox(const std::string& text) override;
    // The developer's line goes to standard error.
    void internalErrorBox(const std::string& text, const std::string& developerLine) override;
    std::optional<std::string> chooseFile(const std::string& filter, const std::string& defaultExtension) override;
    void showHelpContents(const std::string& helpFile) override;
    void quitHelp(const std::string& helpFile) override;
    void showResultsHistory(const ResultsHistory& history) override;
    void refreshResultsHistory(const ResultsHistory& history) override;

    void processMessagesUntil(std::uint32_t deadline) override;
    void closeMainWindow() override;

    void beep(unsigned code) override;
    SoundPlayer& mediaPlayer() override { return m_player; }

    // A file named on the command line as the open dialog would give it: its full Shift-JIS name, its
    // folder made the current folder when there is one.
    std::string enterFolderOf(const std::string& localName);

    HelpViewer* helpViewer() const { return m_helpViewer.get(); }
    ResultsHistoryWindow* resultsHistory() const { return m_history.get(); }

private:
    QPointer<QWidget> m_mainWindow;
    std::unique_ptr<HelpViewer> m_helpViewer;
    std::unique_ptr<ResultsHistoryWindow> m_history;
    SdlSoundPlayer m_player;
};
