#pragma once
#include <QImage>
#include <string>

// A picture file named in Shift-JIS; a null image when it cannot be decoded. A file that cannot be opened,
// or is larger than MediaFileLimit, throws AppError.
QImage loadPicture(const std::string& sjisName);
