#pragma once
#include <QImage>
#include <string>

// A picture file named in Shift-JIS; a null image when it cannot be read or decoded.
QImage loadPicture(const std::string& sjisName);
