// The views of the control kinds, one small class each.
#include "platform/win32/ControlView.h"

#include <algorithm>
#include <vector>
#include <windowsx.h>

#include "model/Memo.h"
#include "platform/win32/EditPosition.h"
#include "platform/win32/FileNames.h"
#include "platform/win32/GdiCache.h"
#include "platform/win32/WideText.h"

namespace {

HWND createControl(const wchar_t* className, DWORD style, DWORD extendedStyle, HWND parent, ViewContext& context) {
    return CreateWindowExW(extendedStyle, className, L"", WS_CHILD | WS_CLIPSIBLINGS | style, 0, 0, 0, 0, parent,
                           nullptr, context.instance, nullptr);
}

SIZE textSize(HWND window, HFONT font, const std::wstring& text) {
    HDC dc = GetDC(window);
    HGDIOBJ old = SelectObject(dc, font);
    RECT area{};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    return SIZE{area.right - area.left, area.bottom - area.top};
}

// A control that Windows draws in the colours the program gives it: background and text.
class ColoredView : public ControlView {
public:
    HBRUSH paintColors(HDC dc) override {
        SetTextColor(dc, colorRef(m_colors.second));
        SetBkColor(dc, colorRef(m_colors.first));
        return context().gdi.brush(m_colors.first);
    }

protected:
    ColoredView(HWND window, ViewContext& context, Rgb background)
        : ControlView(window, context), m_colors{background, colors::black} {}
    void showColors(const Control& control) {
        if (std::pair(control.color(), control.font().color) != m_colors) {
            m_colors = {control.color(), control.font().color};
            InvalidateRect(window(), nullptr, TRUE);
        }
    }

private:
    std::pair<Rgb, Rgb> m_colors;
};

class LabelView : public ColoredView {
public:
    LabelView(HWND parent, ViewContext& context)
        : ColoredView(createControl(L"STATIC", SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0, parent, context), context,
                      colors::tooltipBackground) {}

protected:
    void showContent(const Control& control) override {
        showColors(control);
        if (changed(m_caption, control.caption())) {
            m_text = wideText(control.caption());
            SetWindowTextW(window(), m_text.c_str());
        }
    }
    // A label that sizes itself and has no caption takes no width, so it paints over no text beside it.
    SIZE ownSize(const Control& control) const override {
        if (m_text.empty())
            return SIZE{0, control.height()};
        return textSize(window(), font(), m_text);
    }

private:
    std::optional<std::string> m_caption;
    std::wstring m_text;
};

// The toolbar: a raised panel that always spans the whole width of the window, its caption at the left.
class PanelView : public DrawnView {
public:
    PanelView(HWND parent, ViewContext& context) : DrawnView(parent, context) {
        SetWindowLongPtrW(window(), GWL_STYLE, GetWindowLongPtrW(window(), GWL_STYLE) | WS_CLIPCHILDREN);
    }

protected:
    void showContent(const Control& control) override {
        if (changed(m_caption, control.caption()) | changed(m_colors, std::pair(control.color(), control.font().color)))
            InvalidateRect(window(), nullptr, FALSE);
    }
    RECT place(const Control& control) const override {
        RECT parent{};
        GetClientRect(GetParent(window()), &parent);
        return RECT{control.left(), control.top(), parent.right, control.top() + control.height()};
    }
    void paint(HDC dc, const RECT& area) override {
        FillRect(dc, &area, context().gdi.brush(m_colors->first));
        RECT edge = area;
        DrawEdge(dc, &edge, BDR_RAISEDINNER, BF_RECT);
        std::wstring text = wideText(*m_caption);
        RECT inside{area.left + 1, area.top + 1, area.right - 1, area.bottom - 1};
        HGDIOBJ old = SelectObject(dc, font());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, colorRef(m_colors->second));
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &inside,
                  DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        SelectObject(dc, old);
    }

private:
    std::optional<std::string> m_caption;
    std::optional<std::pair<Rgb, Rgb>> m_colors;
};

// The toolbar pictures travel inside the program as resources named after their files: "open.bmp" is
// OPEN_BMP.
HBITMAP toolPicture(HINSTANCE instance, const std::string& name) {
    std::wstring resource;
    for (char character : name)
        resource += character == '.' ? L'_' : static_cast<wchar_t>(std::toupper(static_cast<unsigned char>(character)));
    return static_cast<HBITMAP>(LoadImageW(instance, resource.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

// A see-through colour that no greyed pixel has.
constexpr COLORREF GreyedSeeThrough = RGB(255, 0, 255);

// The face of a disabled tool button: each pixel but the see-through ones a light grey of its brightness.
HBITMAP greyedPicture(HBITMAP picture) {
    BITMAP info{};
    GetObjectW(picture, sizeof info, &info);
    BITMAPINFO format{};
    format.bmiHeader = {sizeof format.bmiHeader, info.bmWidth, -info.bmHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<RGBQUAD> pixels(static_cast<std::size_t>(info.bmWidth) * static_cast<std::size_t>(info.bmHeight));
    HDC screen = GetDC(nullptr);
    void* bits = nullptr;
    HBITMAP greyed = CreateDIBSection(screen, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool read = greyed != nullptr && !pixels.empty() &&
                GetDIBits(screen, picture, 0, static_cast<UINT>(info.bmHeight), pixels.data(), &format, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (!read) {
        if (greyed != nullptr)
            DeleteObject(greyed);
        return nullptr; // the button is then drawn in colour, which beats a blank
    }
    const RGBQUAD seeThrough = pixels[pixels.size() - static_cast<std::size_t>(info.bmWidth)];
    for (RGBQUAD& pixel : pixels) {
        if (pixel.rgbRed == seeThrough.rgbRed && pixel.rgbGreen == seeThrough.rgbGreen &&
            pixel.rgbBlue == seeThrough.rgbBlue) {
            pixel = {GetBValue(GreyedSeeThrough), GetGValue(GreyedSeeThrough), GetRValue(GreyedSeeThrough), 0};
            continue;
        }
        auto grey = static_cast<BYTE>(128 + (pixel.rgbRed * 30 + pixel.rgbGreen * 59 + pixel.rgbBlue * 11) / 200);
        pixel = {grey, grey, grey, 0};
    }
    std::copy(pixels.begin(), pixels.end(), static_cast<RGBQUAD*>(bits));
    return greyed;
}

// A tool button of the toolbar: drawn on the panel, it never takes the keyboard focus.
class ToolButtonView : public DrawnView {
public:
    ToolButtonView(HWND parent, ViewContext& context) : DrawnView(parent, context) {}
    ~ToolButtonView() override { setPicture(nullptr); }

protected:
    void showContent(const Control& control) override {
        bool repaint =
            changed(m_caption, control.caption()) | changed(m_colors, std::pair(control.color(), control.font().color));
        if (changed(m_pictureName, control.picture())) {
            setPicture(control.picture().empty() ? nullptr : toolPicture(context().instance, control.picture()));
            repaint = true;
        }
        if (repaint)
            InvalidateRect(window(), nullptr, FALSE);
    }
    void paint(HDC dc, const RECT& area) override;
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void setDown(bool down) {
        if (down != m_down) {
            m_down = down;
            InvalidateRect(window(), nullptr, FALSE);
        }
    }
    void setPicture(HBITMAP picture) {
        for (HBITMAP old : {m_picture, m_greyedPicture})
            if (old != nullptr)
                DeleteObject(old);
        m_picture = picture;
        m_greyedPicture = picture == nullptr ? nullptr : greyedPicture(picture);
    }
    void paintPicture(HDC dc, const RECT& area);

    std::optional<std::string> m_caption;
    std::optional<std::pair<Rgb, Rgb>> m_colors;
    std::optional<std::string> m_pictureName;
    HBITMAP m_picture = nullptr;
    HBITMAP m_greyedPicture = nullptr;
    bool m_down = false;
};

void ToolButtonView::paint(HDC dc, const RECT& area) {
    FillRect(dc, &area, context().gdi.brush(m_colors->first));
    RECT edge = area;
    DrawEdge(dc, &edge, m_down ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
    if (m_picture != nullptr)
        paintPicture(dc, area);
    std::wstring text = wideText(*m_caption);
    RECT inside = area;
    // A pressed button shows its face one pixel down and right.
    if (m_down)
        OffsetRect(&inside, 1, 1);
    HGDIOBJ old = SelectObject(dc, font());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, IsWindowEnabled(window()) ? colorRef(m_colors->second) : GetSysColor(COLOR_GRAYTEXT));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &inside,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
}

void ToolButtonView::paintPicture(HDC dc, const RECT& area) {
    BITMAP info{};
    GetObjectW(m_picture, sizeof info, &info);
    // A strip holds the button's states side by side; the first is its normal face.
    int side = std::min(info.bmWidth, info.bmHeight);
    bool greyed = !IsWindowEnabled(window()) && m_greyedPicture != nullptr;
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, greyed ? m_greyedPicture : m_picture);
    int left = (area.right - side) / 2 + (m_down ? 1 : 0);
    int top = (area.bottom - side) / 2 + (m_down ? 1 : 0);
    // As with Windows tool button pictures, the colour of the bottom-left pixel is see-through.
    TransparentBlt(dc, left, top, side, side, source, 0, 0, side, side,
                   greyed ? GreyedSeeThrough : GetPixel(source, 0, info.bmHeight - 1));
    SelectObject(source, old);
    DeleteDC(source);
}

LRESULT ToolButtonView::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    RECT area{};
    GetClientRect(window(), &area);
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        SetCapture(window());
        setDown(true);
        return 0;
    case WM_MOUSEMOVE:
        if (GetCapture() == window())
            setDown(PtInRect(&area, point) != 0);
        return 0;
    case WM_LBUTTONUP:
        if (GetCapture() != window())
            return 0;
        if (bool pressed = m_down; ReleaseCapture() && pressed && IsWindowEnabled(window()) && clicked)
            clicked();
        return 0;
    case WM_CAPTURECHANGED:
        setDown(false);
        return 0;
    default:
        return DrawnView::handle(message, wParam, lParam);
    }
}

class ButtonView : public ControlView {
public:
    // BS_NOTIFY tells the window when the button takes the focus.
    ButtonView(HWND parent, ViewContext& context)
        : ControlView(createControl(L"BUTTON", WS_TABSTOP | BS_NOTIFY | BS_PUSHBUTTON, 0, parent, context), context) {}

protected:
    void showContent(const Control& control) override {
        if (changed(m_caption, control.caption()))
            SetWindowTextW(window(), wideText(control.caption()).c_str());
    }

private:
    std::optional<std::string> m_caption;
};

// The question text box: read-only, and its selection, the blank being asked, is moved only by the
// program, so it takes no clicks, drags or menu of its own.
class MemoView : public ColoredView {
public:
    MemoView(HWND parent, ViewContext& context)
        : ColoredView(createControl(L"EDIT", ES_MULTILINE | ES_READONLY | ES_NOHIDESEL | ES_AUTOVSCROLL,
                                    WS_EX_CLIENTEDGE, parent, context),
                      context, colors::white) {
        SetWindowLongPtrW(window(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        m_editProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(window(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MemoView::windowProc)));
    }

protected:
    void showContent(const Control& control) override {
        showColors(control);
        const auto& model = static_cast<const Memo&>(control);
        const std::string& text = model.caption();
        bool textChanged = changed(m_text, text);
        if (textChanged)
            SetWindowTextW(window(), wideText(text).c_str());
        if (!changed(m_selection, std::pair(model.selStart(), model.selLength())) && !textChanged)
            return;
        SendMessageW(window(), EM_SETSEL, editPosition(text, model.selStart()),
                     editPosition(text, model.selStart() + model.selLength()));
        SendMessageW(window(), EM_SCROLLCARET, 0, 0);
    }

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* view = reinterpret_cast<MemoView*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        switch (message) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
            SetFocus(window);
            return 0;
        case WM_LBUTTONDBLCLK:
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MOUSEMOVE:
        case WM_CONTEXTMENU:
        case WM_CHAR:
            return 0;
        default:
            return CallWindowProcW(view->m_editProc, window, message, wParam, lParam);
        }
    }

    WNDPROC m_editProc;
    std::optional<std::string> m_text;
    std::optional<std::pair<int, int>> m_selection;
};

// The question picture, read from its file when it is shown, so a file changed meanwhile shows its new
// pixels.
class PictureView : public DrawnView {
public:
    PictureView(HWND parent, ViewContext& context) : DrawnView(parent, context) {}
    ~PictureView() override { setPicture(nullptr); }

protected:
    void showContent(const Control& control) override {
        if (!changed(m_pictureName, control.visible() ? control.picture() : std::string()))
            return;
        setPicture(m_pictureName->empty()
                       ? nullptr
                       : static_cast<HBITMAP>(LoadImageW(nullptr, wideFileName(*m_pictureName).c_str(), IMAGE_BITMAP, 0,
                                                         0, LR_LOADFROMFILE)));
        InvalidateRect(window(), nullptr, FALSE);
    }
    SIZE ownSize(const Control& control) const override {
        if (m_picture == nullptr)
            return ControlView::ownSize(control);
        BITMAP info{};
        GetObjectW(m_picture, sizeof info, &info);
        return SIZE{info.bmWidth, info.bmHeight};
    }
    void paint(HDC dc, const RECT& area) override {
        if (m_picture == nullptr) {
            FillRect(dc, &area, context().gdi.brush(colors::tooltipBackground));
            return;
        }
        HDC source = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(source, m_picture);
        BitBlt(dc, 0, 0, area.right, area.bottom, source, 0, 0, SRCCOPY);
        SelectObject(source, old);
        DeleteDC(source);
    }

private:
    void setPicture(HBITMAP picture) {
        if (m_picture != nullptr)
            DeleteObject(m_picture);
        m_picture = picture;
    }

    std::optional<std::string> m_pictureName;
    HBITMAP m_picture = nullptr;
};

class ShapeView : public DrawnView {
public:
    ShapeView(HWND parent, ViewContext& context) : DrawnView(parent, context) {}

protected:
    void showContent(const Control& control) override {
        if (changed(m_colors, std::pair(control.color(), control.penColor())))
            InvalidateRect(window(), nullptr, FALSE);
    }
    // The outline lies on the window's outermost pixels.
    void paint(HDC dc, const RECT& area) override {
        HGDIOBJ oldBrush = SelectObject(dc, context().gdi.brush(m_colors->first));
        HGDIOBJ oldPen = SelectObject(dc, context().gdi.pen(m_colors->second));
        Rectangle(dc, area.left, area.top, area.right, area.bottom);
        SelectObject(dc, oldPen);
        SelectObject(dc, oldBrush);
    }

private:
    std::optional<std::pair<Rgb, Rgb>> m_colors;
};

} // namespace

std::unique_ptr<ControlView> ControlView::make(const Control& control, HWND parent, ViewContext& context) {
    switch (control.kind()) {
    case ControlKind::Panel:
        return std::make_unique<PanelView>(parent, context);
    case ControlKind::ToolButton:
        return std::make_unique<ToolButtonView>(parent, context);
    case ControlKind::Label:
        return std::make_unique<LabelView>(parent, context);
    case ControlKind::Memo:
        return std::make_unique<MemoView>(parent, context);
    case ControlKind::Button:
        return std::make_unique<ButtonView>(parent, context);
    case ControlKind::Picture:
        return std::make_unique<PictureView>(parent, context);
    case ControlKind::Shape:
        return std::make_unique<ShapeView>(parent, context);
    case ControlKind::Player:
        return nullptr;
    }
    return nullptr;
}
