#pragma once
#include <QPixmap>
#include <QToolButton>

// A tool button that draws its picture pixel for pixel, centred and clipped to the button,
// never scaled to the style's icon room.
class PictureToolButton : public QToolButton {
public:
    using QToolButton::QToolButton;

    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
};
