#pragma once
#include <QString>
#include <ostream>

// GoogleTest prints QStrings, also inside QStringLists, as text instead of raw UTF-16 units.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
