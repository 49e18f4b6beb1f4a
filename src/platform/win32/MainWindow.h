#pragma once
#include <memory>
#include <unordered_map>
#include <windows.h>

#include "model/Control.h"
#include "platform/win32/ControlView.h"
#include "platform/win32/GdiCache.h"
#include "platform/win32/Win32EventLoop.h"

struct Program;

// The main window Mn1 on screen: one window per control of the window model, kept current as the model
// changes, and the learner's clicks and key presses passed on to the handlers.
class MainWindow : public ControlObserver, public MessageFilter {
public:
    MainWindow(Program& program, HINSTANCE instance);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    HWND window() const { return m_window; }
    void controlChanged(const Control& control) override;
    bool filterMessage(const MSG& message) override;
    // Shows the window in the middle of the screen's work area.
    void showCentred();

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void createViews();
    void stackViews();
    const Control* controlOf(HWND window) const;
    ControlView* viewOf(HWND window) const;
    // Passes a key to whoever takes it; false when the focused control is to have it itself.
    bool routeKey(std::uint16_t key);
    // Moves the keyboard focus along the tab order, as the Tab key does.
    void moveFocus(bool forward);

    Program& m_program;
    HINSTANCE m_instance;
    HWND m_window = nullptr;
    HWND m_toolTips = nullptr;
    HWND m_lastFocus = nullptr;
    GdiCache m_gdi;
    ViewContext m_context{nullptr, m_gdi, nullptr};
    std::unordered_map<const Control*, std::unique_ptr<ControlView>> m_views;
    std::unordered_map<HWND, const Control*> m_controls;
};
