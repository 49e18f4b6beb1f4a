#include "platform/qt/PictureFile.h"

#include <QBuffer>
#include <QImageReader>

#include "platform/posix/LocalFile.h"
#include "text/Limits.h"

QImage loadPicture(const std::string& sjisName) {
    // Read through our own file access, so names that are not UTF-8 work too, and Qt is never handed
    // a FIFO or an endless device.
    std::string bytes = readLimitedLocalFile(sjisName, MediaFileLimit);
    QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    QImageReader reader(&buffer);
    return reader.read();
}
