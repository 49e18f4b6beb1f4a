#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/DrillFiles.h"
#include "platform/SoundPlayer.h"

struct ResultsHistory;

struct LocalTime {
    int year = 2000; // four digits
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The services the core asks of the machine it runs on, the drill's files among them. Every text and
// every file name here is Shift-JIS bytes. Failures are thrown as AppError.
class Platform : public DrillFiles {
public:
    // Clock and random numbers.
    virtual std::uint32_t tickCount() = 0; // milliseconds, wraps at 2^32
    virtual LocalTime localTime() = 0;
    virtual std::int32_t utcMillisecondsSinceMidnight() = 0;
    virtual void seedRandom(std::uint32_t seed) = 0;
    virtual std::int32_t randomBelow(std::int32_t range) = 0; // 0 .. range - 1

    // The results log and the program's own files. Relative names resolve against the current folder.
    // Hands the file to `take` a piece at a time, in order: a file of any length in little memory.
    virtual void readFileInPieces(const std::string& name, const std::function<void(std::string_view)>& take) = 0;
    // Replaces the whole file, so that a failure at any point leaves the old file whole.
    virtual void replaceFile(const std::string& name, const std::string& bytes) = 0;
    virtual std::string executablePath() = 0;
    // Whether files can be made in the folder; a folder made read-only counts as such even for root.
    virtual bool folderWritable(const std::string& folder) = 0;
    // Makes the folder and its missing parents; a failure shows at the first write into it.
    virtual void makeFolders(const std::string& folder) = 0;
    // An environment variable naming a folder, as a Shift-JIS file name; nothing when unset or empty.
    virtual std::optional<std::string> environmentFolder(const std::string& variable) = 0;
    // Waits for the advisory lock that every writer of the file takes; false when it cannot be had.
    // The new holder removes the temporary files that killed writers of the file left behind.
    virtual bool lockFile(const std::string& name) = 0;
    virtual void unlockFile(const std::string& name) = 0;

    // Dialogs and boxes; all modal.
    virtual void messageBox(const std::string& text) = 0;
    virtual void errorBox(const std::string& text) = 0;
    // A fault of the program itself, not of what the learner did or gave it.
    // `developerLine` is kept where a developer looks (the terminal, the debugger), in plain text.
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

    // Processes window messages until the tick count reaches `deadline`, sleeping while there are none.
    virtual void processMessagesUntil(std::uint32_t deadline) = 0;
    // Closes the main window, which ends the program; asked once no handler runs.
    virtual void closeMainWindow() = 0;

    virtual void beep(unsigned code) = 0;
    virtual SoundPlayer& mediaPlayer() = 0;
};
