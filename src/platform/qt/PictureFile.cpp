#include "platform/qt/PictureFile.h"

#include <QBuffer>
#include <QImageReader>

#include "platform/qt/LocalFile.h"

QImage loadPicture(const std::string& sjisName) {
    // Read through our own file access, so names that are not UTF-8 work too.
    std::optional<std::string> bytes = readLocalFile(localFileName(sjisName));
    if (!bytes)
        return {};
    QByteArray data = QByteArray::fromStdString(*bytes);
    QBuffer buffer(&data);
    QImageReader reader(&buffer);
    return reader.read();
}
