#pragma once
#include <stdexcept>
#include <string>

// A failure that ends the running handler and is shown in the standard error box.
// The message is Shift-JIS bytes, without the final ".".
class AppError : public std::runtime_error {
public:
    explicit AppError(const std::string& sjisMessage) : std::runtime_error(sjisMessage) {}

    // The text of the standard error box.
    std::string boxText() const { return std::string(what()) + "."; }
};

// The sound device cannot be opened: the machine has none, or its sound server cannot be reached.
// Not a fault of the sound file, and the same for every sound.
class SoundDeviceError : public AppError {
public:
    using AppError::AppError;
};
