#include "platform/qt/QtConversions.h"

#include "text/Cp932.h"

QString qtText(const std::string& sjis) {
    return QString::fromStdString(decodeCp932(sjis));
}

QColor qtColor(Rgb color) {
    return QColor(color.red, color.green, color.blue);
}

QFont qtFont(const FontSpec& font) {
    QFont result(qtText(font.face));
    // Heights are pixels at 96 pixels per inch, never rescaled for the screen.
    result.setPixelSize(font.height);
    result.setBold(font.bold);
    result.setItalic(font.italic);
    return result;
}
