#pragma once
#include <QPalette>
#include <QRect>
#include <memory>
#include <optional>
#include <string>

#include "model/Control.h"
#include "model/ShownValue.h"

class QWidget;

// The widget of one window control: an adapter per kind of control makes it and shows the control's
// values on it, touching the widget only where a value changed since the last show.
class ControlAdapter {
public:
    virtual ~ControlAdapter() = default;
    ControlAdapter(const ControlAdapter&) = delete;
    ControlAdapter& operator=(const ControlAdapter&) = delete;

    // The adapter of the control's kind with its new widget; nothing for a control never seen.
    static std::unique_ptr<ControlAdapter> make(const Control& control, QWidget* parent);

    QWidget* widget() const { return m_widget; }
    void show(const Control& control);

protected:
    explicit ControlAdapter(QWidget* widget) : m_widget(widget) {}

    // Shows what only this kind has: caption, colours, picture, text.
    virtual void showContent(const Control& control) = 0;
    virtual QRect place(const Control& control) const;
    // The size of a control that sizes itself.
    virtual QSize ownSize(const Control& control) const;

    // NoRole as `background` leaves the background as the style draws it.
    void showColors(QPalette::ColorRole background, Rgb fill, QPalette::ColorRole foreground, Rgb text);

private:
    QWidget* m_widget;
    std::optional<FontSpec> m_font;
    std::optional<std::string> m_hint;
    std::optional<std::pair<Rgb, Rgb>> m_colors;
    std::optional<bool> m_visible;
    std::optional<bool> m_enabled;
};
