#pragma once
#include <cstdint>

// The window system's messages, processed while a handler waits.
class EventLoop {
public:
    virtual ~EventLoop() = default;

    // Processes window messages until the tick count reaches `deadline`, sleeping while there are none.
    virtual void processMessagesUntil(std::uint32_t deadline) = 0;
    // Closes the main window, which ends the program; asked once no handler runs.
    virtual void closeMainWindow() = 0;
};
