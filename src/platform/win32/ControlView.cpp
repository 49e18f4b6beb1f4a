#include "platform/win32/ControlView.h"

#include <commctrl.h>

#include "platform/win32/GdiCache.h"
#include "platform/win32/WideText.h"

void ControlView::show(const Control& control) {
    if (changed(m_font, control.font())) {
        m_fontHandle = m_context.gdi.font(control.font());
        SendMessageW(m_window, WM_SETFONT, reinterpret_cast<WPARAM>(m_fontHandle), TRUE);
    }
    if (changed(m_hint, control.hint()) && !control.hint().empty()) {
        std::wstring hint = wideText(control.hint());
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = GetParent(m_window);
        tool.uId = reinterpret_cast<UINT_PTR>(m_window);
        tool.lpszText = hint.data();
        SendMessageW(m_context.toolTips, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        SendMessageW(m_context.toolTips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    showContent(control);
    RECT wanted = place(control);
    if (changed(m_place, std::tuple(wanted.left, wanted.top, wanted.right, wanted.bottom)))
        MoveWindow(m_window, wanted.left, wanted.top, wanted.right - wanted.left, wanted.bottom - wanted.top, TRUE);
    if (changed(m_visible, control.visible()))
        ShowWindow(m_window, control.visible() ? SW_SHOWNA : SW_HIDE);
    // A disabled window takes no clicks or keys; the views draw it greyed.
    if (changed(m_enabled, control.enabled())) {
        EnableWindow(m_window, control.enabled());
        InvalidateRect(m_window, nullptr, TRUE);
    }
}

RECT ControlView::place(const Control& control) const {
    // A size below zero (a gauge bar before the first question) shows nothing.
    SIZE size = control.autoSize() ? ownSize(control) : SIZE{control.width(), control.height()};
    return RECT{control.left(), control.top(), control.left() + std::max(size.cx, 0L),
                control.top() + std::max(size.cy, 0L)};
}

SIZE ControlView::ownSize(const Control& control) const {
    return SIZE{control.width(), control.height()};
}

const wchar_t* const DrawnView::ClassName = L"Qm7DrawnControl";

void DrawnView::registerDrawnClass(HINSTANCE instance) {
    WNDCLASSEXW drawn{};
    drawn.cbSize = sizeof drawn;
    drawn.lpfnWndProc = windowProc;
    drawn.hInstance = instance;
    drawn.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    drawn.lpszClassName = ClassName;
    RegisterClassExW(&drawn);
}

DrawnView::DrawnView(HWND parent, ViewContext& context)
    : ControlView(CreateWindowExW(0, ClassName, L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, parent, nullptr,
                                  context.instance, nullptr),
                  context) {
    SetWindowLongPtrW(window(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

LRESULT DrawnView::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window(), message, wParam, lParam);
}

LRESULT CALLBACK DrawnView::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* view = reinterpret_cast<DrawnView*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (view == nullptr)
        return DefWindowProcW(window, message, wParam, lParam);
    switch (message) {
    case WM_ERASEBKGND:
        return 1; // paint draws every pixel
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        HDC dc = BeginPaint(window, &paint);
        RECT area{};
        GetClientRect(window, &area);
        view->paint(dc, area);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_NCDESTROY:
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        return DefWindowProcW(window, message, wParam, lParam);
    default:
        return view->handle(message, wParam, lParam);
    }
}
