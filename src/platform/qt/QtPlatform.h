#pragma once
#include <QPointer>
#include <QWidget>
#include <map>
#include <memory>
#include <random>

#include "platform/Platform.h"
#include "platform/qt/HelpViewer.h"
#include "platform/qt/LocalDrillFiles.h"
#include "platform/qt/ResultsHistoryWindow.h"
#include "platform/sdl/SdlSoundPlayer.h"

// The machine as the program sees it on a Linux desktop: Qt for the window system, SDL2 for sound,
// POSIX for files and clocks, the drill's files as a check reads them. Its windows, boxes and waits need a
// QApplication; its files do not.
class QtPlatform : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

    // The window that owns the boxes and dialogs, is repainted before a sound blocks, and is closed
    // by closeMainWindow.
    void setMainWindow(QWidget* window) { m_mainWindow = window; }

    std::uint32_t tickCount() override;
    LocalTime localTime() override;
    std::int32_t utcMillisecondsSinceMidnight() override;
    void seedRandom(std::uint32_t seed) override { m_random.seed(seed); }
    std::int32_t randomBelow(std::int32_t range) override;

    bool fileExists(const std::string& name) override { return m_drillFiles.fileExists(name); }
    std::string readFile(const std::string& name, std::size_t maxBytes) override {
        return m_drillFiles.readFile(name, maxBytes);
    }
    std::optional<PictureSize> pictureSize(const std::string& name) override { return m_drillFiles.pictureSize(name); }
    std::optional<std::string> soundProblem(const std::string& name) override {
        return m_drillFiles.soundProblem(name);
    }
    std::string currentFolder() override { return m_drillFiles.currentFolder(); }
    void setCurrentFolder(const std::string& folder) override { m_drillFiles.setCurrentFolder(folder); }

    void readFileInPieces(const std::string& name, const std::function<void(std::string_view)>& take) override;
    void replaceFile(const std::string& name, const std::string& bytes) override;
    std::string executablePath() override;
    bool folderWritable(const std::string& folder) override;
    void makeFolders(const std::string& folder) override;
    std::optional<std::string> environmentFolder(const std::string& variable) override;
    bool lockFile(const std::string& name) override;
    void unlockFile(const std::string& name) override;

    void messageBox(const std::string& text) override;
    void errorBox(const std::string& text) override;
    void internalErrorBox(const std::string& text) override;
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
    LocalDrillFiles m_drillFiles;
    std::mt19937 m_random;
    QPointer<QWidget> m_mainWindow;
    std::unique_ptr<HelpViewer> m_helpViewer;
    std::unique_ptr<ResultsHistoryWindow> m_history;
    SdlSoundPlayer m_player;
    std::map<std::string, int> m_locks; // file name -> lock descriptor
};
