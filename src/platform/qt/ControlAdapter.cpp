#include "platform/qt/ControlAdapter.h"

#include <QWidget>

#include "platform/qt/QtConversions.h"

void ControlAdapter::show(const Control& control) {
    if (changed(m_font, control.font()))
        m_widget->setFont(qtFont(control.font()));
    if (changed(m_hint, control.hint()))
        m_widget->setToolTip(qtText(control.hint()));
    showContent(control);
    if (QRect wanted = place(control); wanted != m_widget->geometry())
        m_widget->setGeometry(wanted);
    if (changed(m_visible, control.visible()))
        m_widget->setVisible(control.visible());
    if (changed(m_enabled, control.enabled()))
        m_widget->setEnabled(control.enabled());
}

QRect ControlAdapter::place(const Control& control) const {
    // A size below zero (a gauge bar before the first question) shows nothing.
    QSize size = control.autoSize() ? ownSize(control) : QSize(control.width(), control.height());
    return {QPoint(control.left(), control.top()), size.expandedTo(QSize(0, 0))};
}

QSize ControlAdapter::ownSize(const Control& control) const {
    return {control.width(), control.height()};
}

void ControlAdapter::showColors(QPalette::ColorRole background, Rgb fill, QPalette::ColorRole foreground, Rgb text) {
    if (!changed(m_colors, std::pair(fill, text)))
        return;
    QPalette palette = m_widget->palette();
    if (background != QPalette::NoRole)
        palette.setColor(background, qtColor(fill));
    palette.setColor(foreground, qtColor(text));
    m_widget->setPalette(palette);
}
