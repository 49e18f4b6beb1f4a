#pragma once
#include <cstdint>
#include <string>

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Rgb&) const = default;
};

namespace colors {
inline constexpr Rgb black{0, 0, 0};
inline constexpr Rgb white{255, 255, 255};
inline constexpr Rgb grey{128, 128, 128};
inline constexpr Rgb green{0, 128, 0};
inline constexpr Rgb red{255, 0, 0};
inline constexpr Rgb yellow{255, 255, 0};
inline constexpr Rgb aqua{0, 255, 255};
inline constexpr Rgb tooltipBackground{255, 255, 225};
} // namespace colors

struct FontSpec {
    std::string face; // Shift-JIS bytes, compared byte for byte by the typeface switch
    int height = 13;  // character height in pixels
    bool bold = false;
    bool italic = false;
    Rgb color = colors::black;
    bool operator==(const FontSpec&) const = default;
};

enum class ControlKind { Panel, ToolButton, Label, Memo, Button, Picture, Shape, Player };

// The window's stacking, lowest first: labels and shapes are drawn on the window itself, the picture
// above them, and every control that is a window of its own (the buttons, the memo, the toolbar) above
// all of these.
constexpr int stackingLayer(ControlKind kind) {
    switch (kind) {
    case ControlKind::Label:
    case ControlKind::Shape:
        return 0;
    case ControlKind::Picture:
        return 1;
    default:
        return 2;
    }
}

class Control;

// The view draws the controls and is told of every change at once, so the screen is
// current whenever a wait, a synchronous sound or a modal box runs.
class ControlObserver {
public:
    virtual ~ControlObserver() = default;
    virtual void controlChanged(const Control& control) = 0;
};

// One control of the main window, held as data: what it shows and where.
class Control {
public:
    Control(std::string name, ControlKind kind, int left, int top, int width, int height)
        : m_name(std::move(name)), m_kind(kind), m_left(left), m_top(top), m_width(width), m_height(height) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return m_name; }
    ControlKind kind() const { return m_kind; }

    int left() const { return m_left; }
    int top() const { return m_top; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    const std::string& caption() const { return m_caption; }
    bool visible() const { return m_visible; }
    bool enabled() const { return m_enabled; }
    const FontSpec& font() const { return m_font; }
    Rgb color() const { return m_color; }
    Rgb penColor() const { return m_penColor; }
    bool autoSize() const { return m_autoSize; }
    const std::string& hint() const { return m_hint; }
    int tabOrder() const { return m_tabOrder; }
    const std::string& picture() const { return m_picture; }
    const Control* parent() const { return m_parent; }

    void setLeft(int left) { change(m_left, left); }
    void setTop(int top) { change(m_top, top); }
    void setWidth(int width) { change(m_width, width); }
    void setHeight(int height) { change(m_height, height); }
    void setCaption(std::string caption) { change(m_caption, std::move(caption)); }
    void setVisible(bool visible) { change(m_visible, visible); }
    void setEnabled(bool enabled) { change(m_enabled, enabled); }
    void setFont(FontSpec font) { change(m_font, std::move(font)); }
    void setColor(Rgb color) { change(m_color, color); }
    void setPenColor(Rgb color) { change(m_penColor, color); }
    void setAutoSize(bool autoSize) { change(m_autoSize, autoSize); }
    void setHint(std::string hint) { change(m_hint, std::move(hint)); }
    void setTabOrder(int order) { change(m_tabOrder, order); }
    // A picture file name (Shift-JIS), or an asset name for the toolbar pictures.
    void setPicture(std::string picture) { change(m_picture, std::move(picture)); }
    void setParent(const Control* parent) { m_parent = parent; }

    void setObserver(ControlObserver* observer) { m_observer = observer; }

protected:
    template <typename T> void change(T& field, T value) {
        if (field == value)
            return;
        field = std::move(value);
        notify();
    }
    void notify() const {
        if (m_observer)
            m_observer->controlChanged(*this);
    }

private:
    std::string m_name;
    ControlKind m_kind;
    int m_left;
    int m_top;
    int m_width;
    int m_height;
    std::string m_caption;
    bool m_visible = true;
    bool m_enabled = true;
    FontSpec m_font;
    Rgb m_color = colors::tooltipBackground;
    Rgb m_penColor = colors::black;
    bool m_autoSize = false;
    std::string m_hint;
    int m_tabOrder = -1;
    std::string m_picture;
    const Control* m_parent = nullptr;
    ControlObserver* m_observer = nullptr;
};
