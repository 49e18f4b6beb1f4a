#pragma once
#include <cstdint>
#include <windows.h>

#include "platform/EventLoop.h"

// Sees each message of the thread before it is dispatched; true when it has handled it.
class MessageFilter {
public:
    virtual ~MessageFilter() = default;
    virtual bool filterMessage(const MSG& message) = 0;
};

// The message loop of the main window, and the waits that keep the window live inside a handler.
class Win32EventLoop : public EventLoop {
public:
    void setMainWindow(HWND window, MessageFilter* filter) {
        m_window = window;
        m_filter = filter;
    }
    // Until the main window has gone; the exit code it posted.
    int run();
    void processMessagesUntil(std::uint32_t deadline) override;
    void closeMainWindow() override;

private:
    void dispatch(const MSG& message);
    // Dispatches every message waiting; false when the loop is to end, the quit message posted again.
    bool dispatchPending();

    HWND m_window = nullptr;
    MessageFilter* m_filter = nullptr;
};
