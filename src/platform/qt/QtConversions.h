#pragma once
#include <QColor>
#include <QFont>
#include <QString>
#include <string>

#include "model/Control.h"

// The window model holds Shift-JIS bytes and plain values; Qt wants its own types.
QString qtText(const std::string& sjis);
QColor qtColor(Rgb color);
QFont qtFont(const FontSpec& font);
