#pragma once
#include <string>

// The hidden wave player MediaPlayer1.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void setFileName(const std::string& name) = 0;
    // Closes whatever is still open, then opens the named file; throws AppError with the sound system's text.
    virtual void open() = 0;
    // Makes the next play synchronous.
    virtual void setWait() = 0;
    // From the beginning; synchronous after setWait (no window messages meanwhile), else in the background.
    virtual void play() = 0;
    virtual void close() = 0;
};
