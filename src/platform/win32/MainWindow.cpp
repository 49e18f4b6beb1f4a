#include "platform/win32/MainWindow.h"

#include <algorithm>
#include <commctrl.h>
#include <vector>

#include "app/ControlHandlers.h"
#include "app/Events.h"
#include "app/KeyRoute.h"
#include "model/Program.h"
#include "platform/win32/WideText.h"

namespace {

constexpr const wchar_t* MainWindowClass = L"TMn1";
constexpr int IconResource = 1;

} // namespace

MainWindow::MainWindow(Program& program, HINSTANCE instance) : m_program(program), m_instance(instance) {
    const TMn1& model = program.Mn1;
    WNDCLASSEXW mainClass{};
    mainClass.cbSize = sizeof mainClass;
    mainClass.lpfnWndProc = windowProc;
    mainClass.hInstance = instance;
    mainClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IconResource));
    mainClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    mainClass.hbrBackground = m_gdi.brush(model.Color);
    mainClass.lpszClassName = MainWindowClass;
    RegisterClassExW(&mainClass);
    DrawnView::registerDrawnClass(instance);

    // The layout is in pixels: the client area is the design's, whatever the frame around it takes.
    const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    RECT outer{0, 0, ClientWidth, ClientHeight};
    AdjustWindowRectEx(&outer, style, FALSE, 0);
    m_window = CreateWindowExW(0, MainWindowClass, wideText(model.Caption).c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT,
                               outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr, instance, this);
    m_toolTips =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_window, nullptr, instance, nullptr);
    m_context.instance = instance;
    m_context.toolTips = m_toolTips;
    createViews();
    m_program.Mn1.setObserver(this);
}

MainWindow::~MainWindow() {
    m_program.Mn1.setObserver(nullptr);
    if (IsWindow(m_window))
        DestroyWindow(m_window);
}

void MainWindow::createViews() {
    TMn1& model = m_program.Mn1;
    for (const Control* control : model.controls()) {
        HWND parent = control->parent() ? m_views.at(control->parent())->window() : m_window;
        std::unique_ptr<ControlView> view = ControlView::make(*control, parent, m_context);
        if (!view)
            continue;
        if (HasClickHandler(model, *control))
            view->clicked = [this, control] { RunClickHandler(m_program, *control); };
        view->show(*control);
        m_controls[view->window()] = control;
        m_views[control] = std::move(view);
    }
    SendMessageW(m_views.at(model.defaultButton())->window(), BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    stackViews();
}

void MainWindow::stackViews() {
    // Each window in turn goes on top, so a later control lies above an earlier one of its layer.
    for (int layer : {0, 1, 2})
        for (const Control* control : m_program.Mn1.controls())
            if (stackingLayer(control->kind()) == layer && m_views.contains(control))
                SetWindowPos(m_views.at(control)->window(), HWND_TOP, 0, 0, 0, 0,
                             SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

const Control* MainWindow::controlOf(HWND window) const {
    auto found = m_controls.find(window);
    return found == m_controls.end() ? nullptr : found->second;
}

ControlView* MainWindow::viewOf(HWND window) const {
    const Control* control = controlOf(window);
    return control ? m_views.at(control).get() : nullptr;
}

void MainWindow::controlChanged(const Control& control) {
    auto found = m_views.find(&control);
    if (found == m_views.end())
        return;
    found->second->show(control);
    HWND window = found->second->window();
    if (m_program.Mn1.focused() == &control && GetFocus() != window)
        SetFocus(window);
}

void MainWindow::showCentred() {
    RECT area{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    RECT outer{};
    GetWindowRect(m_window, &outer);
    int width = outer.right - outer.left;
    int height = outer.bottom - outer.top;
    SetWindowPos(m_window, nullptr, area.left + (area.right - area.left - width) / 2,
                 area.top + (area.bottom - area.top - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ShowWindow(m_window, SW_SHOWNORMAL);
    UpdateWindow(m_window);
}

bool MainWindow::filterMessage(const MSG& message) {
    if (message.message != WM_KEYDOWN || (message.hwnd != m_window && !IsChild(m_window, message.hwnd)))
        return false;
    return routeKey(static_cast<std::uint16_t>(message.wParam));
}

bool MainWindow::routeKey(std::uint16_t key) {
    const Control* focused = controlOf(GetFocus());
    HWND defaultButton = m_views.at(m_program.Mn1.defaultButton())->window();
    switch (RouteKey(focused, key, IsWindowVisible(defaultButton) != FALSE)) {
    case KeyRoute::Answer:
        RunHandler(m_program, SentakuBango, key);
        return true;
    case KeyRoute::DefaultButton:
        RunClickHandler(m_program, *m_program.Mn1.defaultButton());
        return true;
    case KeyRoute::Focused:
        break;
    }
    if (key == vk::Tab) {
        moveFocus(GetKeyState(VK_SHIFT) >= 0);
        return true;
    }
    // A button presses itself on Return, and on Space as Windows' own button does; other keys do nothing.
    if (focused && focused->kind() == ControlKind::Button && key == vk::Return) {
        RunClickHandler(m_program, *focused);
        return true;
    }
    return !(focused && focused->kind() == ControlKind::Button && key == vk::Space);
}

void MainWindow::moveFocus(bool forward) {
    std::vector<std::pair<int, const Control*>> order;
    for (const Control* control : m_program.Mn1.controls())
        if (control->kind() == ControlKind::Button && control->tabOrder() >= 0 &&
            IsWindowVisible(m_views.at(control)->window()))
            order.emplace_back(control->tabOrder(), control);
    if (order.empty())
        return;
    std::sort(order.begin(), order.end());
    const Control* focused = controlOf(GetFocus());
    auto at = std::find_if(order.begin(), order.end(), [&](const auto& entry) { return entry.second == focused; });
    std::size_t index = 0;
    if (at != order.end()) {
        std::size_t current = static_cast<std::size_t>(at - order.begin());
        index = forward ? (current + 1) % order.size() : (current + order.size() - 1) % order.size();
    } else if (!forward) {
        index = order.size() - 1;
    }
    SetFocus(m_views.at(order[index].second)->window());
}

LRESULT CALLBACK MainWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->m_window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return self ? self->handle(message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT MainWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: {
        auto child = reinterpret_cast<HWND>(lParam);
        const Control* control = controlOf(child);
        if (control && (HIWORD(wParam) == BN_SETFOCUS || HIWORD(wParam) == EN_SETFOCUS))
            m_program.Mn1.setFocus(*control);
        else if (ControlView* view = viewOf(child); view && HIWORD(wParam) == BN_CLICKED && view->clicked)
            view->clicked();
        return 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
        if (ControlView* view = viewOf(reinterpret_cast<HWND>(lParam)))
            if (HBRUSH brush = view->paintColors(reinterpret_cast<HDC>(wParam)))
                return reinterpret_cast<LRESULT>(brush);
        break;
    case WM_SIZE:
        // The toolbar panel alone follows the window's width; every other control keeps its place.
        if (auto panel = m_views.find(&m_program.Mn1.PnlOpe); panel != m_views.end())
            panel->second->show(m_program.Mn1.PnlOpe);
        break;
    case WM_ACTIVATE:
        // The focus goes back where it was when a box or another program had taken it.
        if (LOWORD(wParam) == WA_INACTIVE) {
            m_lastFocus = GetFocus();
        } else if (m_lastFocus && IsChild(m_window, m_lastFocus)) {
            SetFocus(m_lastFocus);
            return 0;
        }
        break;
    case WM_CLOSE:
        if (RequestClose(m_program))
            DestroyWindow(m_window);
        return 0;
    case WM_DESTROY:
        m_program.Mn1.setObserver(nullptr);
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(m_window, message, wParam, lParam);
}
