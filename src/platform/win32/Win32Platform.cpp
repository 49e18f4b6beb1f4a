#include "platform/win32/Win32Platform.h"

Win32Platform::Win32Platform()
    : m_sound(m_files, [this] {
          if (m_window != nullptr)
              RedrawWindow(m_window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
      }) {}

void Win32Platform::setMainWindow(HWND window, MessageFilter* filter) {
    m_window = window;
    m_dialogs.setOwner(window);
    m_events.setMainWindow(window, filter);
}
