#pragma once
#include "platform/Platform.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32Dialogs.h"
#include "platform/win32/Win32EventLoop.h"
#include "platform/win32/Win32Files.h"
#include "platform/win32/Win32Sound.h"

// The machine as the program sees it on Windows: the clock, files, dialogs, event loop and sound, each a
// class of its own.
class Win32Platform {
public:
    Win32Platform();

    // The platform a program is made with.
    operator Platform() { return Platform{m_clock, m_files, m_dialogs, m_events, m_sound}; }

    // The window that owns the boxes and dialogs, is repainted before a sound blocks, and is closed by
    // closeMainWindow; its filter sees every message first.
    void setMainWindow(HWND window, MessageFilter* filter);

    Win32Files& files() { return m_files; }
    Win32EventLoop& events() { return m_events; }

private:
    HWND m_window = nullptr;
    Win32Clock m_clock;
    Win32Files m_files;
    Win32Dialogs m_dialogs{m_files};
    Win32EventLoop m_events;
    Win32Sound m_sound;
};
