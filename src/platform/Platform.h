#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "platform/SoundPlayer.h"

struct LocalTime {
    int year = 2000; // four digits
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

struct PictureSize {
    int width = 0;
    int height = 0;
};

// The services the core asks of the machine it runs on. Every text and every
// file name here is Shift-JIS bytes. Failures are thrown as AppError.
class Platform {
public:
    virtual ~Platform() = default;

    // Clock and random numbers.
    virtual std::uint32_t tickCount() = 0; // milliseconds, wraps at 2^32
    virtual LocalTime localTime() = 0;
    virtual std::int32_t utcMillisecondsSinceMidnight() = 0;
    virtual void seedRandom(std::uint32_t seed) = 0;
    virtual std::int32_t randomBelow(std::int32_t range) = 0; // 0 .. range - 1

    // Files. Relative names resolve against the current folder.
    virtual bool fileExists(const std::string& name) = 0;
    virtual std::string readFile(const std::string& name) = 0;
    // Replaces the whole file, so that a failure at any point leaves the old file whole.
    virtual void replaceFile(const std::string& name, const std::string& bytes) = 0;
    virtual std::string executablePath() = 0;
    // The size of a picture file that can be shown, nothing when it cannot be read.
    virtual std::optional<PictureSize> pictureSize(const std::string& name) = 0;

    // Dialogs and boxes; all modal.
    virtual void messageBox(const std::string& text) = 0;
    virtual void errorBox(const std::string& text) = 0;
    // The chosen file's full name, its folder made the current folder; nothing on cancel.
    virtual std::optional<std::string> chooseFile(const std::string& filter, const std::string& defaultExtension) = 0;
    // The folder relative names resolve against, as the file system spells it; only given back.
    virtual std::string currentFolder() = 0;
    // Goes back to a folder that currentFolder gave; one that has gone meanwhile is left as it is.
    virtual void setCurrentFolder(const std::string& folder) = 0;
    virtual void showHelpContents(const std::string& helpFile) = 0;
    virtual void quitHelp(const std::string& helpFile) = 0;

    // Processes window messages until the tick count reaches `deadline`, sleeping while there are none.
    virtual void processMessagesUntil(std::uint32_t deadline) = 0;
    // Asks the main window to close; it closes once the running handler has returned.
    virtual void closeMainWindow() = 0;

    virtual void beep(unsigned code) = 0;
    virtual SoundPlayer& mediaPlayer() = 0;
};
