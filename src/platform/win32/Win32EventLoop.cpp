#include "platform/win32/Win32EventLoop.h"

int Win32EventLoop::run() {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        dispatch(message);
    return static_cast<int>(message.wParam);
}

void Win32EventLoop::processMessagesUntil(std::uint32_t deadline) {
    // Messages first, then a sleep that any new message ends; so a wait costs no processor time.
    while (dispatchPending()) {
        auto remaining = static_cast<std::int32_t>(deadline - GetTickCount());
        if (remaining <= 0)
            return;
        MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(remaining), QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}

void Win32EventLoop::closeMainWindow() {
    if (m_window != nullptr && IsWindow(m_window))
        SendMessageW(m_window, WM_CLOSE, 0, 0);
}

void Win32EventLoop::dispatch(const MSG& message) {
    if (m_filter != nullptr && m_filter->filterMessage(message))
        return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

bool Win32EventLoop::dispatchPending() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        dispatch(message);
    }
    return true;
}
