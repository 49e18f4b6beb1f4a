#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <windows.h>

#include "model/Control.h"
#include "model/ShownValue.h"

class GdiCache;

// What every control window of the main window shares.
struct ViewContext {
    HINSTANCE instance;
    GdiCache& gdi;
    HWND toolTips;
};

// The window of one control: a view per kind of control makes it and shows the control's values on
// it, touching the window only where a value changed since the last show.
class ControlView {
public:
    virtual ~ControlView() = default;
    ControlView(const ControlView&) = delete;
    ControlView& operator=(const ControlView&) = delete;

    // The view of the control's kind with its new window; nothing for a control never seen.
    static std::unique_ptr<ControlView> make(const Control& control, HWND parent, ViewContext& context);

    HWND window() const { return m_window; }
    void show(const Control& control);
    // Sets the colours of a control that Windows draws itself; its background brush, or nothing to
    // leave the colours to Windows.
    virtual HBRUSH paintColors(HDC) { return nullptr; }
    // Runs when the control is clicked.
    std::function<void()> clicked;

protected:
    ControlView(HWND window, ViewContext& context) : m_window(window), m_context(context) {}

    // Shows what only this kind has: caption, colours, picture, text.
    virtual void showContent(const Control& control) = 0;
    virtual RECT place(const Control& control) const;
    // The size of a control that sizes itself.
    virtual SIZE ownSize(const Control& control) const;
    HFONT font() const { return m_fontHandle; }
    ViewContext& context() const { return m_context; }

private:
    HWND m_window;
    ViewContext& m_context;
    HFONT m_fontHandle = nullptr;
    std::optional<FontSpec> m_font;
    std::optional<std::string> m_hint;
    std::optional<bool> m_visible;
    std::optional<bool> m_enabled;
    std::optional<std::tuple<long, long, long, long>> m_place;
};

// A control that the program draws itself, in a window of the class registerDrawnClass makes.
class DrawnView : public ControlView {
public:
    static void registerDrawnClass(HINSTANCE instance);
    static const wchar_t* const ClassName;

protected:
    DrawnView(HWND parent, ViewContext& context);
    virtual void paint(HDC dc, const RECT& area) = 0;
    // Mouse and other messages of the window; the default leaves them to Windows.
    virtual LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};
