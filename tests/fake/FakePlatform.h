#pragma once
#include <deque>
#include <functional>
#include <iostream>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "results/ResultsHistory.h"

// A wave player that records what it is asked to do: "open x", "play x" (background), "play-wait x"
// (synchronous, taking soundMilliseconds of the clock), "close".
class FakeSoundPlayer : public SoundPlayer {
public:
    explicit FakeSoundPlayer(std::uint32_t& tick) : m_tick(tick) {}

    void setFileName(const std::string& name) override { m_fileName = name; }
    void open() override;
    void setWait() override { m_wait = true; }
    void play() override {
        log.push_back((m_wait ? "play-wait " : "play ") + m_openName);
        m_tick += m_wait ? soundMilliseconds : 0;
        m_wait = false;
    }
    void close() override {
        m_wait = false;
        if (isOpen)
            log.push_back("close");
        isOpen = false;
    }

    std::vector<std::string> log;
    std::set<std::string> unplayable; // open fails for these names
    bool noDevice = false;            // every open fails for want of a sound device
    std::uint32_t soundMilliseconds = 1200;
    bool isOpen = false;

private:
    std::uint32_t& m_tick;
    std::string m_fileName, m_openName;
    bool m_wait = false;
};

// The platform of the core tests: a clock the test moves, files in memory, scripted dialog
// answers and random draws, recorded boxes, beeps and sounds, and waits that can run input.
class FakePlatform : public Clock, public Files, public Dialogs, public EventLoop, public Sound {
public:
    // The platform a program is made with: every part of it this fake.
    operator Platform() { return Platform{*this, *this, *this, *this, *this}; }

    std::uint32_t tickCount() override { return tick; }
    LocalTime localTime() override { return now; }
    std::int32_t utcMillisecondsSinceMidnight() override { return 0; }
    void seedRandom(std::uint32_t) override {}
    std::int32_t randomBelow(std::int32_t range) override;

    bool fileExists(const std::string& name) override { return files.count(path(name)) > 0; }
    std::string readFile(const std::string& name, std::size_t maxBytes) override;
    void readFileInPieces(const std::string& name, const std::function<void(std::string_view)>& take) override;
    void replaceFile(const std::string& name, const std::string& bytes) override;
    std::string executablePath() override { return exePath; }
    bool folderWritable(const std::string& folder) override { return !readOnlyFolders.count(folder); }
    void makeFolders(const std::string& folder) override { fileEvents.push_back("mkdir " + folder); }
    std::optional<std::string> learnerDataFolder() override;
    std::string installedDataFolder(const std::string& programFolder) override;
    bool lockFile(const std::string& name) override;
    void unlockFile(const std::string& name) override { fileEvents.push_back("unlock " + name); }
    std::optional<PictureSize> pictureSize(const std::string& name) override;
    std::optional<std::string> soundProblem(const std::string& name) override {
        return player.unplayable.count(name) ? std::optional<std::string>("cannot open " + name) : std::nullopt;
    }

    void messageBox(const std::string& text) override;
    void errorBox(const std::string& text) override { errors.push_back(text); }
    void internalErrorBox(const std::string& text, const std::string& developerLine) override {
        internalErrors.push_back(text);
        developerLines.push_back(developerLine);
        ++internalErrorsUnchecked;
    }
    std::optional<std::string> chooseFile(const std::string& filter, const std::string& defaultExtension) override;
    std::string currentFolder() override { return folder; }
    void setCurrentFolder(const std::string& name) override { folder = name; }
    void showHelpContents(const std::string& helpFile) override { helpCalls.push_back("contents " + helpFile); }
    void quitHelp(const std::string& helpFile) override { helpCalls.push_back("quit " + helpFile); }
    void showResultsHistory(const ResultsHistory& history) override { historyShown.push_back(history); }
    void refreshResultsHistory(const ResultsHistory& history) override { historyRefreshed.push_back(history); }

    void processMessagesUntil(std::uint32_t deadline) override;
    void closeMainWindow() override { closeRequested = true; }
    void beep(unsigned code) override { beeps.push_back(code); }
    SoundPlayer& mediaPlayer() override { return player; }

    // Random draws as the program sees them, 1-based: drawChoice(4) makes the next draw from 1..n give 4.
    void drawChoice(int value) { draws.push_back(value - 1); }

    std::uint32_t tick = 100000;
    LocalTime now{2026, 12, 6, 0, 50, 58};
    std::deque<int> draws;
    std::vector<std::int32_t> randomRanges; // the range of every draw asked for

    // Where relative names resolve: "" or a folder ending in "/"; a chosen file makes its folder current.
    std::string folder;
    std::string path(const std::string& name) const { return name.starts_with('/') ? name : folder + name; }
    // The stored bytes of a file that can be read; throws as reading a missing file does.
    const std::string& storedFile(const std::string& name);
    std::map<std::string, std::string> files;
    std::set<std::string> unreadable;            // exist, but reading fails
    std::size_t pieceSize = 5;                   // small, so that line ends fall across pieces
    std::set<std::string> unwritable;            // replacing fails, the old file left as it was
    std::map<std::string, PictureSize> pictures; // files that read as pictures
    std::string exePath = "/opt/qm7w/qm7w";
    std::set<std::string> readOnlyFolders;
    std::map<std::string, std::string> environment;
    bool lockFails = false;
    std::vector<std::string> fileEvents; // "mkdir F", "lock F", "read F", "replace F", "unlock F"

    std::vector<std::string> messages, errors, internalErrors, developerLines;
    // Faults of the program itself on any fake platform; a core test fails on those it does not reset.
    static inline int internalErrorsUnchecked = 0;
    std::deque<std::optional<std::string>> dialogAnswers; // nothing: cancel
    std::vector<std::string> dialogFilters, dialogExtensions, helpCalls;
    std::vector<ResultsHistory> historyShown, historyRefreshed;
    std::vector<unsigned> beeps;
    std::vector<std::uint32_t> waits; // length of every processMessagesUntil, in ms
    std::uint32_t waitSlice = 0;      // when set, a wait returns after this many ms, as a message would end it
    bool closeRequested = false;

    // Input arriving while the program waits: each wait runs the first action queued, if any.
    std::deque<std::function<void()>> duringWaits;
    // Input arriving while a message box is shown.
    std::function<void(const std::string&)> onMessage;

    FakeSoundPlayer player{tick};
};
