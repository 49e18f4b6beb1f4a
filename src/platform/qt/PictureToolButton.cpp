#include "platform/qt/PictureToolButton.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>

void PictureToolButton::setPicture(const QPixmap& picture) {
    m_picture = picture;
    update();
}

void PictureToolButton::paintEvent(QPaintEvent* event) {
    QToolButton::paintEvent(event);
    if (m_picture.isNull())
        return;
    QRect place(QPoint(0, 0), m_picture.size());
    place.moveCenter(rect().center());
    // A pressed button shows its picture one pixel down and right.
    if (isDown())
        place.translate(1, 1);
    if (isEnabled()) {
        QPainter(this).drawPixmap(place.topLeft(), m_picture);
        return;
    }
    QStyleOption option;
    option.initFrom(this);
    QPainter(this).drawPixmap(place.topLeft(), style()->generatedIconPixmap(QIcon::Disabled, m_picture, &option));
}
