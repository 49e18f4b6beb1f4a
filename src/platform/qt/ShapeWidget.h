#pragma once
#include <QColor>
#include <QWidget>

// A filled rectangle with a one-pixel outline, for the progress gauge.
class ShapeWidget : public QWidget {
public:
    using QWidget::QWidget;

    void setColors(const QColor& fill, const QColor& outline);
    QColor fill() const { return m_fill; }
    QColor outline() const { return m_outline; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_fill = Qt::white;
    QColor m_outline = Qt::black;
};
