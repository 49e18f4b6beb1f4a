#pragma once
#include "platform/Platform.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32Dialogs.h"
#include "platform/win32/Win32EventLoop.h"
#include "platform/win32/Win32Files.h"
#include "platform/win32/Win32Sound.h"

// The machine as the program sees it on Windows: the clock, files, dialogs, event loop and sound, each a
// class of its own, behind the one interface the core calls.
class Win32Platform : public Platform {
public:
    Win32Platform();

    // The window that owns the boxes and dialogs, is repainted before a sound blocks, and is closed by
    // closeMainWindow; its filter sees every message first.
    void setMainWindow(HWND window, MessageFilter* filter);

    Win32Files& files() { return m_files; }
    Win32EventLoop& events() { return m_events; }

    std::uint32_t tickCount() override { return m_clock.tickCount(); }
    LocalTime localTime() override { return m_clock.localTime(); }
    std::int32_t utcMillisecondsSinceMidnight() override { return m_clock.utcMillisecondsSinceMidnight(); }
    void seedRandom(std::uint32_t seed) override { m_clock.seedRandom(seed); }
    std::int32_t randomBelow(std::int32_t range) override { return m_clock.randomBelow(range); }

    bool fileExists(const std::string& name) override { return m_files.fileExists(name); }
    std::string readFile(const std::string& name, std::size_t maxBytes) override {
        return m_files.readFile(name, maxBytes);
    }
    void readFileInPieces(const std::string& name, const std::function<void(std::string_view)>& take) override {
        m_files.readFileInPieces(name, take);
    }
    void replaceFile(const std::string& name, const std::string& bytes) override { m_files.replaceFile(name, bytes); }
    std::string executablePath() override { return m_files.executablePath(); }
    bool folderWritable(const std::string& folder) override { return m_files.folderWritable(folder); }
    void makeFolders(const std::string& folder) override { m_files.makeFolders(folder); }
    std::optional<std::string> environmentFolder(const std::string& variable) override {
        return m_files.environmentFolder(variable);
    }
    bool lockFile(const std::string& name) override { return m_files.lockFile(name); }
    void unlockFile(const std::string& name) override { m_files.unlockFile(name); }
    std::optional<PictureSize> pictureSize(const std::string& name) override { return m_files.pictureSize(name); }
    std::optional<std::string> soundProblem(const std::string& name) override { return m_files.soundProblem(name); }
    std::string currentFolder() override { return m_files.currentFolder(); }
    void setCurrentFolder(const std::string& folder) override { m_files.setCurrentFolder(folder); }

    void messageBox(const std::string& text) override { m_dialogs.messageBox(text); }
    void errorBox(const std::string& text) override { m_dialogs.errorBox(text); }
    void internalErrorBox(const std::string& text, const std::string& developerLine) override {
        m_dialogs.internalErrorBox(text, developerLine);
    }
    std::optional<std::string> chooseFile(const std::string& filter, const std::string& defaultExtension) override {
        return m_dialogs.chooseFile(filter, defaultExtension);
    }
    void showHelpContents(const std::string& helpFile) override { m_dialogs.showHelpContents(helpFile); }
    void quitHelp(const std::string& helpFile) override { m_dialogs.quitHelp(helpFile); }
    void showResultsHistory(const ResultsHistory& history) override { m_dialogs.showResultsHistory(history); }
    void refreshResultsHistory(const ResultsHistory& history) override { m_dialogs.refreshResultsHistory(history); }

    void processMessagesUntil(std::uint32_t deadline) override { m_events.processMessagesUntil(deadline); }
    void closeMainWindow() override { m_events.closeMainWindow(); }

    void beep(unsigned code) override { m_sound.beep(code); }
    SoundPlayer& mediaPlayer() override { return m_sound.mediaPlayer(); }

private:
    HWND m_window = nullptr;
    Win32Clock m_clock;
    Win32Files m_files;
    Win32Dialogs m_dialogs{m_files};
    Win32EventLoop m_events;
    Win32Sound m_sound;
};
