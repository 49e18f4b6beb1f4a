#include "platform/qt/ShapeWidget.h"

#include <QPainter>

void ShapeWidget::setColors(const QColor& fill, const QColor& outline) {
    m_fill = fill;
    m_outline = outline;
    update();
}

void ShapeWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(m_outline);
    painter.setBrush(m_fill);
    // The outline lies on the widget's outermost pixels.
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
